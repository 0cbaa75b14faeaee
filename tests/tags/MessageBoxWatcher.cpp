#include "tests/tags/MessageBoxWatcher.h"

#include <algorithm>
#include <cstring>

namespace {

struct Search {
  DWORD process;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM parameter) {
  Search* search = reinterpret_cast<Search*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (process == search->process && std::strcmp(className, "#32770") == 0 && IsWindowVisible(window)) {
    search->found.push_back(window);
  }
  return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND window, LPARAM parameter) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (_stricmp(className, "Static") == 0) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    if (text[0]) *reinterpret_cast<std::string*>(parameter) += text;
  }
  return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher() : m_thread(&MessageBoxWatcher::Watch, this) {}

MessageBoxWatcher::~MessageBoxWatcher() { Stop(); }

void MessageBoxWatcher::Stop() {
  m_stop = true;
  if (m_thread.joinable()) m_thread.join();
}

std::vector<std::string> MessageBoxWatcher::Texts() {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_texts;
}

void MessageBoxWatcher::Watch() {
  while (!m_stop) {
    Search search{GetCurrentProcessId(), {}};
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
    for (HWND dialog : search.found) {
      if (std::find(m_closed.begin(), m_closed.end(), dialog) != m_closed.end()) continue;
      std::string text;
      EnumChildWindows(dialog, CollectStaticText, reinterpret_cast<LPARAM>(&text));
      {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_texts.push_back(text);
      }
      m_closed.push_back(dialog);
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    }
    Sleep(20);
  }
}
