// CWinApp: the process's application object, registered in the framework DLL
// so that AfxGetApp() gives the same object to the host and to every module.
#include "fw/WinApp.h"

#include "ProfileCache.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* appName) {
  m_hInstance = GetModuleHandleA(nullptr);
  if (appName != nullptr) {
    m_strAppName = appName;
  } else {
    // The program's file name without folder and extension.
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString name(path, length < MAX_PATH ? static_cast<int>(length) : 0);
    int slash = name.ReverseFind('\\');
    name = name.Mid(slash + 1);
    int dot = name.ReverseFind('.');
    m_strAppName = dot > 0 ? name.Left(dot) : name;
  }
  // One per process: the first one made stays the registered one.
  if (g_app == nullptr) g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
  delete m_profileCache;
}

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetInstanceHandle() {
  return g_app != nullptr ? g_app->m_hInstance : GetModuleHandleA(nullptr);
}
