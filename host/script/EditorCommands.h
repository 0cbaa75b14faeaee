#pragma once
// The script's commands on the editor, the files and the module:
//   editor                  the active document and its caret line
//   edit FILE LINE TEXT     a change made in another editor after the tags
//                           were written: the file's line replaced on disk
//   reload                  the tags file read again
//   restart                 the module unloaded and loaded again
#include "host/script/ScriptContext.h"
#include "host/script/ScriptLine.h"

void EditorCommand(ScriptContext& context, const ScriptLine& line);
void EditCommand(ScriptContext& context, const ScriptLine& line);
void ReloadCommand(ScriptContext& context, const ScriptLine& line);
void RestartCommand(ScriptContext& context, const ScriptLine& line);

// What the editor shows: the document, its caret line and whether the view
// is centred on it, then that line's text.
void SayEditor(ScriptContext& context);
