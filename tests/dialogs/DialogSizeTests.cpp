// The host dialogs' own handling of their size: the items follow a new size
// (not a minimized one), the opening size is the smallest a user can drag,
// and the module's close entry runs when the dialog is destroyed outright.
#include <gtest/gtest.h>
#include "tests/dialogs/DialogTestSupport.h"

namespace {

SIZE WindowSize(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

TEST(FilterDialogSize, ItemsFollowTheSizeButNotAMinimizedOne) {
  TestFilePicker dialog(0x30011);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  SIZE opened = WindowSize(dialog.m_hWnd);
  int listWidth = WindowSize(dialog.list()).cx;

  // A zero minimum from the caller: the dialog puts its opening size there.
  MINMAXINFO info = {};
  dialog.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(opened.cx, info.ptMinTrackSize.x);
  EXPECT_EQ(opened.cy, info.ptMinTrackSize.y);

  SetWindowPos(dialog.m_hWnd, nullptr, 0, 0, opened.cx + 120, opened.cy + 40, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(listWidth + 120, WindowSize(dialog.list()).cx);
  // Minimized, the client size reads 0 x 0: the items keep their places.
  dialog.SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_EQ(listWidth + 120, WindowSize(dialog.list()).cx);

  ASSERT_TRUE(dialog.moduleOpen());
  dialog.DestroyWindow();
  EXPECT_FALSE(dialog.moduleOpen());
}

}  // namespace
