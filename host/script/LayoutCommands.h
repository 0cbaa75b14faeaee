#pragma once
// The script's commands on the dialogs' sizes and column widths:
//   widths tags|files                 the list's column widths
//   width tags|files COLUMN PIXELS    one column set, as a drag of its divider does
//   size tags|files                   the dialog's size and which columns show
//   resize tags|files WIDTH HEIGHT    the dialog resized, as a drag of its frame does
#include "host/script/ScriptContext.h"
#include "host/script/ScriptLine.h"

void WidthsCommand(ScriptContext& context, const ScriptLine& line);
void WidthCommand(ScriptContext& context, const ScriptLine& line);
void SizeCommand(ScriptContext& context, const ScriptLine& line);
void ResizeCommand(ScriptContext& context, const ScriptLine& line);
