// The dispatch window: where ZorvoRegCreate puts it, what it looks like, and
// that it is gone once the host's message loop has run.
#include <cstring>
#include "fw/Wnd.h"
#include "tests/module/ModuleHostSide.h"

namespace {

using DispatchWindowTest = ModuleHostTest;


TEST_F(DispatchWindowTest, IsAHiddenFrameworkChildOfTheFrameUntilTheLoopRuns) {
  HWND main = MakeMainWindow();
  ASSERT_TRUE(Activate(main));
  std::vector<HWND> before = ChildWindows(main);
  ModuleTable* table = Create();
  std::vector<HWND> added = NewWindows(before, ChildWindows(main));
  ASSERT_EQ(added.size(), 1u);
  HWND dispatch = added[0];

  EXPECT_EQ(GetParent(dispatch), main);
  EXPECT_FALSE(IsWindowVisible(dispatch));
  EXPECT_EQ(GetDlgCtrlID(dispatch), 0);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(dispatch, GWL_STYLE)), static_cast<DWORD>(WS_CHILD));
  EXPECT_EQ(GetWindowLongA(dispatch, GWL_EXSTYLE), 0);
  EXPECT_EQ(GetWindowTextLengthA(dispatch), 0);
  RECT rect;
  GetWindowRect(dispatch, &rect);
  EXPECT_EQ(rect.right - rect.left, 0);
  EXPECT_EQ(rect.bottom - rect.top, 0);
  char className[256] = {};
  GetClassNameA(dispatch, className, sizeof className);
  EXPECT_STREQ(className, AfxDefaultWndClass());
  EXPECT_NE(CWnd::FromHandlePermanent(dispatch), nullptr);

  unsigned char filled[sizeof(ModuleTable)];
  std::memcpy(filled, table, sizeof filled);
  AfxPumpPendingMessages();
  EXPECT_FALSE(IsWindow(dispatch));
  EXPECT_EQ(std::memcmp(filled, table, sizeof filled), 0);
}

TEST_F(DispatchWindowTest, FrameOfAnActiveOwnedPopupIsItsOwner) {
  HWND main = MakeMainWindow();
  HWND popup = MakeOwnedPopup(main);
  ShowWindow(main, SW_SHOW);
  ASSERT_TRUE(Activate(popup));
  std::vector<HWND> mainBefore = ChildWindows(main);
  std::vector<HWND> popupBefore = ChildWindows(popup);
  Create();
  EXPECT_EQ(NewWindows(mainBefore, ChildWindows(main)).size(), 1u);
  EXPECT_TRUE(NewWindows(popupBefore, ChildWindows(popup)).empty());
}

TEST_F(DispatchWindowTest, FrameOfAnActiveWindowWithoutParentIsThatWindow) {
  HWND main = MakeMainWindow();
  ASSERT_TRUE(Activate(main));
  std::vector<HWND> before = ChildWindows(main);
  Create();
  std::vector<HWND> added = NewWindows(before, ChildWindows(main));
  ASSERT_EQ(added.size(), 1u);
  EXPECT_EQ(GetParent(added[0]), main);
}

// Without an active window there is no frame: the dispatch window is then a
// message-only window, and the table is filled all the same.
TEST_F(DispatchWindowTest, WithoutActiveWindowIsMessageOnlyAndStillFillsTheTable) {
  ASSERT_EQ(GetActiveWindow(), nullptr);
  std::vector<HWND> before = ChildWindows(HWND_MESSAGE);
  ModuleTable* table = Create();
  std::vector<HWND> added = NewWindows(before, ChildWindows(HWND_MESSAGE));
  ASSERT_EQ(added.size(), 1u);
  EXPECT_NE(CWnd::FromHandlePermanent(added[0]), nullptr);
  for (int i = 0; i < 15; ++i) {
    if (i == 4) continue;
    EXPECT_TRUE(InImage(loader.module(), reinterpret_cast<void**>(table)[i])) << "slot " << i;
  }
  AfxPumpPendingMessages();
  EXPECT_FALSE(IsWindow(added[0]));
}

// Unloaded before the loop delivered the close message: the window goes with
// the library, and the queued message finds nothing.
TEST_F(DispatchWindowTest, UnloadBeforeTheLoopRunsDestroysTheWindow) {
  HWND main = MakeMainWindow();
  ASSERT_TRUE(Activate(main));
  std::vector<HWND> before = ChildWindows(main);
  Create();
  std::vector<HWND> added = NewWindows(before, ChildWindows(main));
  ASSERT_EQ(added.size(), 1u);
  loader.Destroy();
  loader.Unload();
  EXPECT_FALSE(IsWindow(added[0]));
  AfxPumpPendingMessages();
  EXPECT_TRUE(IsWindow(main));
}


// A hook that refuses every window of the framework's default class.
LRESULT CALLBACK RefuseFrameworkWindows(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    char className[256] = {};
    GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
    if (lstrcmpA(className, AfxDefaultWndClass()) == 0) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// When the dispatch window cannot be created the table is filled all the same.
TEST_F(DispatchWindowTest, WithoutDispatchWindowTheTableIsStillFilled) {
  HWND main = MakeMainWindow();
  ASSERT_TRUE(Activate(main));
  std::vector<HWND> before = ChildWindows(main);
  HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseFrameworkWindows, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  ModuleTable* table = Create();
  UnhookWindowsHookEx(hook);
  EXPECT_TRUE(NewWindows(before, ChildWindows(main)).empty());
  ASSERT_NE(table, nullptr);
  for (int i = 0; i < 15; ++i) {
    if (i == 4) continue;
    EXPECT_TRUE(InImage(loader.module(), reinterpret_cast<void**>(table)[i])) << "slot " << i;
  }
}

}  // namespace
