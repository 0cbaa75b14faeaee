#pragma once
// Loads ZorvoReg.mod the way the host add-in does: LoadLibrary, the two
// exports, ZorvoRegCreate for the table, ZorvoRegDestroy and FreeLibrary.
#include <windows.h>
#include "host/addin/ModuleTable.h"

class ModuleLoader {
 public:
  ModuleLoader() = default;
  ~ModuleLoader();   // Destroy, then Unload
  ModuleLoader(const ModuleLoader&) = delete;
  ModuleLoader& operator=(const ModuleLoader&) = delete;

  // Loads the library (default: ZorvoReg.mod beside the executable) and finds
  // the exports by name. False when either is missing.
  bool Load(const char* path = nullptr);
  // Calls ZorvoRegCreate; the table stays valid until Destroy.
  ModuleTable* Create(void* ideApplication, void* workspace);
  void Destroy();   // ZorvoRegDestroy, once
  void Unload();    // FreeLibrary

  HMODULE module() const { return m_module; }
  ModuleTable* table() const { return m_table; }
  ZorvoRegCreateFn createFn() const { return m_create; }
  ZorvoRegDestroyFn destroyFn() const { return m_destroy; }

  // The folder of the running executable, with a trailing backslash.
  static CString ExecutableFolder();

 private:
  HMODULE m_module = nullptr;
  ZorvoRegCreateFn m_create = nullptr;
  ZorvoRegDestroyFn m_destroy = nullptr;
  ModuleTable* m_table = nullptr;
};
