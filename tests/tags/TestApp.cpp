// The test program's application object: the host's profile store, a file in
// the temporary folder, removed when the program ends.
#include <windows.h>
#include "fw/WinApp.h"

namespace {
class TestApp : public CWinApp {
 public:
  TestApp() : CWinApp("ZorvoRegTagsTests") {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    m_path.Format("%szr_tags_tests_%lu.ini", folder, GetCurrentProcessId());
    DeleteFileA(m_path);
    SetProfilePath(m_path);
  }
  ~TestApp() override { DeleteFileA(m_path); }

 private:
  CString m_path;
};

TestApp theApp;
}  // namespace
