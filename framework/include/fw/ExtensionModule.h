#pragma once
#include <windows.h>
#include "fw/Export.h"

// A DLL that links its classes and resources into the application's framework
// lookups (the framework's list of libraries).
struct AFX_EXTENSION_MODULE {
  bool bInitialized = false;
  HMODULE hModule = nullptr;
  HMODULE hResource = nullptr;
};

FW_API bool AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Takes the module's library records out of the list (all modules' when all is true).
FW_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, bool all = false);

// One entry of the framework's list of libraries; deleted by AfxTermExtensionModule.
class FW_API CDynLinkLibrary {
 public:
  CDynLinkLibrary(AFX_EXTENSION_MODULE& state, bool system = false);
  virtual ~CDynLinkLibrary();
  HMODULE m_hModule;
  HMODULE m_hResource;
  bool m_bSystem;
  CDynLinkLibrary* m_pNextDLL;
};

// The list as it stands (for lookups and tests): number of records, and the
// module handle of record i (0 = most recently added).
FW_API int AfxGetLibraryCount();
FW_API HMODULE AfxGetLibraryModule(int index);
