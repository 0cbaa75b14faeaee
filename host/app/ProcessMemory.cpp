#include "host/app/ProcessMemory.h"
#include <windows.h>
#include <psapi.h>
#include <cstdio>

bool ProcessMemory::Read(ProcessMemory& memory) {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof(counters);
  if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof(counters)))
    return false;
  memory.workingSet = counters.WorkingSetSize;
  memory.peakWorkingSet = counters.PeakWorkingSetSize;
  // The commit charge, which is the private bytes: some systems (Wine among
  // them) leave PrivateUsage at zero and fill only PagefileUsage.
  memory.privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  memory.peakPrivateBytes = counters.PeakPagefileUsage;
  return true;
}

std::string ProcessMemory::Describe() const {
  auto mb = [](size_t bytes) { return std::to_string((bytes + (1 << 19)) >> 20) + " MB"; };
  return "peak working set " + mb(peakWorkingSet) + ", working set " + mb(workingSet) + ", private bytes " +
         mb(privateBytes) + " (peak " + mb(peakPrivateBytes) + ")";
}
