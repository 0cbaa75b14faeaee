#include "ProcessShutdown.h"

#include <windows.h>

// ntdll's own answer; its import library lists it, no header declares it.
extern "C" NTSYSAPI BOOLEAN NTAPI RtlDllShutdownInProgress();

namespace fw {

bool ProcessIsShuttingDown() { return RtlDllShutdownInProgress() != 0; }

}  // namespace fw
