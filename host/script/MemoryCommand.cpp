#include "host/script/MemoryCommand.h"
#include "host/app/ProcessMemory.h"

void MemoryCommand(ScriptContext& context, const ScriptLine&) {
  ProcessMemory memory;
  if (!ProcessMemory::Read(memory)) return context.Fail("the system does not say this process's memory");
  context.Say("memory: " + memory.Describe());
}
