#include "host/addin/ModuleLoader.h"

ModuleLoader::~ModuleLoader() {
  Destroy();
  Unload();
}

CString ModuleLoader::ExecutableFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  CString folder(path);
  int slash = folder.ReverseFind('\\');
  return slash >= 0 ? folder.Left(slash + 1) : CString();
}

bool ModuleLoader::Load(const char* path) {
  CString file = path ? CString(path) : ExecutableFolder() + "ZorvoReg.mod";
  m_module = LoadLibraryA(file);
  if (!m_module) return false;
  m_create = reinterpret_cast<ZorvoRegCreateFn>(reinterpret_cast<void (*)()>(GetProcAddress(m_module, "ZorvoRegCreate")));
  m_destroy = reinterpret_cast<ZorvoRegDestroyFn>(reinterpret_cast<void (*)()>(GetProcAddress(m_module, "ZorvoRegDestroy")));
  return m_create && m_destroy;
}

ModuleTable* ModuleLoader::Create(void* ideApplication, void* workspace) {
  m_table = m_create(ideApplication, workspace);
  return m_table;
}

void ModuleLoader::Destroy() {
  if (m_table && m_destroy) m_destroy(m_table);
  m_table = nullptr;
}

void ModuleLoader::Unload() {
  if (m_module) FreeLibrary(m_module);
  m_module = nullptr;
  m_create = nullptr;
  m_destroy = nullptr;
}
