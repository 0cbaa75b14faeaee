#pragma once
// The script's commands on the windows and the two dialogs' filters and lists:
//   open tags|files|extra   close [tags|files|extra]   press KEY
//   type FILTER TEXT        clear FILTER               key [FILTER] KEY
//   choose                  rows                       history tags|files
// After a command that changes what a dialog shows, its rows are said.
#include "host/script/ScriptContext.h"
#include "host/script/ScriptLine.h"

void OpenCommand(ScriptContext& context, const ScriptLine& line);
void CloseCommand(ScriptContext& context, const ScriptLine& line);
void PressCommand(ScriptContext& context, const ScriptLine& line);
void TypeCommand(ScriptContext& context, const ScriptLine& line);
void ClearCommand(ScriptContext& context, const ScriptLine& line);
void KeyCommand(ScriptContext& context, const ScriptLine& line);
void ChooseCommand(ScriptContext& context, const ScriptLine& line);
void RowsCommand(ScriptContext& context, const ScriptLine& line);
void HistoryCommand(ScriptContext& context, const ScriptLine& line);

// The filter's combo box item number for "tag", "parent", "file" or the item
// number itself; 0 for anything else.
int FilterId(const std::string& name);
