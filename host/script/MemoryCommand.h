#pragma once
// The script's memory command:
//   memory
// says this process's memory as the system counts it (ProcessMemory.h): the
// peak working set first, which the bench reads after a browser, a filter
// and a jump.
#include "host/script/ScriptContext.h"
#include "host/script/ScriptLine.h"

void MemoryCommand(ScriptContext& context, const ScriptLine& line);
