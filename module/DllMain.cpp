// Library load and unload. The C runtime has built the static objects
// (ModuleState.cpp) before attach and destroys them after detach, also when
// attach fails.
#include <windows.h>
#include <new>
#include "fw/Exceptions.h"
#include "fw/ExtensionModule.h"

namespace {
AFX_EXTENSION_MODULE g_extensionModule;
bool g_extensionModuleInitialised = false;

// Links the module's classes and resources into the host application's
// framework lookups, as a non-system library.
bool AttachExtensionModule(HINSTANCE instance) {
  if (!AfxInitExtensionModule(g_extensionModule, instance)) return false;
  g_extensionModuleInitialised = true;
  try {
    new CDynLinkLibrary(g_extensionModule, false);   // owned by the framework's list
    return true;
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  return false;
}

void DetachExtensionModule() {
  if (!g_extensionModuleInitialised) return;
  AfxTermExtensionModule(g_extensionModule, false);   // this module's records only
  g_extensionModuleInitialised = false;
}
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      if (AttachExtensionModule(instance)) return TRUE;
      DetachExtensionModule();
      return FALSE;
    case DLL_PROCESS_DETACH:
      DetachExtensionModule();
      return TRUE;
    default:   // thread attach and detach: nothing
      return TRUE;
  }
}
