// AfxMessageBox as the user sees it: a second thread finds the box, reads its
// text and buttons, then presses OK.
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>
#include "fw/MessageBox.h"
#include "fw/WinApp.h"
#include "fw/Wnd.h"

namespace {

struct SeenBox {
  bool found = false;
  std::string text;
  std::vector<std::string> buttons;   // visible ones, in creation order
  bool hasIcon = false;
  HWND owner = nullptr;
  bool ownerEnabled = true;
};

std::string TextOf(HWND hwnd) {
  char text[256] = {};
  ::GetWindowTextA(hwnd, text, sizeof(text));
  std::string s;
  for (const char* p = text; *p != '\0'; ++p)
    if (*p != '&') s += *p;
  return s;
}

BOOL CALLBACK ReadChild(HWND hwnd, LPARAM lParam) {
  auto* seen = reinterpret_cast<SeenBox*>(lParam);
  char className[32] = {};
  ::GetClassNameA(hwnd, className, sizeof(className));
  bool visible = ::IsWindowVisible(hwnd) != FALSE;
  if (lstrcmpiA(className, "Button") == 0 && visible) {
    seen->buttons.push_back(TextOf(hwnd));
  } else if (lstrcmpiA(className, "Static") == 0) {
    if ((::GetWindowLongA(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      if (visible) seen->hasIcon = true;
    } else if (!TextOf(hwnd).empty()) {
      seen->text = TextOf(hwnd);
    }
  }
  return TRUE;
}

// Waits for the box with the application's caption, reads it, presses OK.
void ReadAndClose(const char* caption, SeenBox* seen) {
  for (int i = 0; i < 500 && !seen->found; ++i) {
    HWND box = ::FindWindowA("#32770", caption);
    if (box == nullptr || !::IsWindowVisible(box)) {
      ::Sleep(20);
      continue;
    }
    seen->found = true;
    ::EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(seen));
    seen->owner = ::GetWindow(box, GW_OWNER);
    seen->ownerEnabled = seen->owner != nullptr && ::IsWindowEnabled(seen->owner);
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
}

TEST(AfxMessageBoxTest, ShowsTheTextAndButtonsOwnedByTheMainWindow) {
  CWnd mainWnd;
  RECT rect = {0, 0, 300, 200};
  ASSERT_TRUE(mainWnd.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect,
                               static_cast<HWND>(nullptr), 0));
  AfxGetApp()->m_pMainWnd = &mainWnd;
  SeenBox seen;
  std::thread reader(ReadAndClose, static_cast<const char*>(AfxGetApp()->m_strAppName), &seen);
  int result = AfxMessageBox("Unable to find tag.  Please save.", MB_OKCANCEL | MB_ICONWARNING, 17);
  reader.join();
  AfxGetApp()->m_pMainWnd = nullptr;

  ASSERT_TRUE(seen.found);
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ("Unable to find tag.  Please save.", seen.text);
  EXPECT_EQ((std::vector<std::string>{"OK", "Cancel"}), seen.buttons);
  EXPECT_TRUE(seen.hasIcon);
  EXPECT_EQ(mainWnd.m_hWnd, seen.owner);
  EXPECT_FALSE(seen.ownerEnabled);   // modal: the main window waits
  EXPECT_TRUE(::IsWindowEnabled(mainWnd.m_hWnd));
}

TEST(AfxMessageBoxTest, WithoutAMainWindowStillShowsAndReturnsTheButton) {
  SeenBox seen;
  std::thread reader(ReadAndClose, static_cast<const char*>(AfxGetApp()->m_strAppName), &seen);
  int result = AfxMessageBox("No owner here.");
  reader.join();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ("No owner here.", seen.text);
  EXPECT_EQ(std::vector<std::string>{"OK"}, seen.buttons);
}

}  // namespace
