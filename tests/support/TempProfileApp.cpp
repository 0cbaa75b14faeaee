// The test program's application object (AfxGetApp for host and module): its
// profile store is a file of its own in the temporary folder, named after the
// program and its process, removed when the program ends.
#include <windows.h>
#include "fw/WinApp.h"

namespace {
CString ProgramName() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  CString name(path);
  name = name.Mid(name.ReverseFind('\\') + 1);
  int dot = name.ReverseFind('.');
  return dot > 0 ? name.Left(dot) : name;
}

class TempProfileApp : public CWinApp {
 public:
  TempProfileApp() : CWinApp(ProgramName()) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    m_path.Format("%szr_%s_%lu.ini", folder, static_cast<const char*>(m_strAppName),
                  GetCurrentProcessId());
    DeleteFileA(m_path);
    SetProfilePath(m_path);
  }
  ~TempProfileApp() override { DeleteFileA(m_path); }

 private:
  CString m_path;
};

TempProfileApp theApp;
}  // namespace
