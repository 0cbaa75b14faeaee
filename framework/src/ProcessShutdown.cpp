#include "ProcessShutdown.h"

#include <windows.h>

namespace fw {
namespace {

typedef BOOLEAN(WINAPI* ShutdownQuery)();

// ntdll's own answer, looked up by name because no import library lists it.
// Looked up as the DLL loads, before a second thread can use the framework:
// null until then, and on a system without it.
ShutdownQuery LookUpShutdownQuery() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (ntdll == nullptr) return nullptr;
  return reinterpret_cast<ShutdownQuery>(
      reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlDllShutdownInProgress")));
}

const ShutdownQuery g_shutdownQuery = LookUpShutdownQuery();

}  // namespace

bool ProcessIsShuttingDown() { return g_shutdownQuery != nullptr && g_shutdownQuery() != 0; }

}  // namespace fw
