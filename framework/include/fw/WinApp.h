#pragma once
#include <windows.h>
#include "fw/String.h"

class CWnd;
namespace fw {
class ProfileCache;
}

// The application object, one per process, made by the host and reached with
// AfxGetApp() from host and module alike. Holds the profile store: an INI-style
// text file whose path the host sets; every write replaces the file whole
// (a new file moved over the old one), so other sections survive any crash.
// Reads are answered from the file's content kept in memory, which is read
// again whenever the file changed on disk (another process wrote it).
class FW_API CWinApp {
 public:
  explicit CWinApp(const char* appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // An empty path (or none set) reads every value as its default and refuses writes.
  void SetProfilePath(const char* path);
  const CString& GetProfilePath() const { return m_strProfilePath; }

  CString GetProfileString(const char* section, const char* entry, const char* defaultValue = nullptr);
  bool WriteProfileString(const char* section, const char* entry, const char* value);
  int GetProfileInt(const char* section, const char* entry, int defaultValue);
  bool WriteProfileInt(const char* section, const char* entry, int value);

  // Pumps messages (with pre-translation) until WM_QUIT; returns its exit code.
  virtual int Run();

  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;
  CString m_strAppName;

 private:
  CString m_strProfilePath;
  fw::ProfileCache* m_profileCache = nullptr;   // the file's content; null without a path
};

FW_API CWinApp* AfxGetApp();
FW_API HINSTANCE AfxGetInstanceHandle();
