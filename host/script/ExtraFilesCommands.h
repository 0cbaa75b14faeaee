#pragma once
// The script's extra-files commands, each followed by the list as the host
// holds it and what the workspace has for every name:
//   xf add NAME FLAGS   xf remove N   xf flags N FLAGS   xf clear
//   xf save             xf load sync|nosync              xf show
// FLAGS are two digits, bit 0 then bit 1. With the extra-files window open,
// add, save and load go through its own fields and buttons.
#include "host/script/ScriptContext.h"
#include "host/script/ScriptLine.h"

void ExtraFilesCommand(ScriptContext& context, const ScriptLine& line);
