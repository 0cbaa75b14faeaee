// The editor view's keys, scroll bar and wheel move its top line as the
// messages say; other keys and a click leave it where it was.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "ProgramRunner.h"
#include "host/app/EditorView.h"
#include "host/ide/AnsiText.h"

namespace {

constexpr int kLines = 300;

class EditorViewKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string folder = FreshFolder("zr-editor-view");
    std::string text;
    for (int line = 1; line <= kLines; ++line) text += (line > 1 ? "\r\n" : "") + ("line " + std::to_string(line));
    ASSERT_TRUE(WriteFileBytes(folder + "long.txt", text));
    RECT frameRect = {30, 30, 530, 430};
    ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, frameRect,
                                 static_cast<HWND>(nullptr), 0));
    RECT viewRect = {0, 0, 480, 360};
    ASSERT_TRUE(m_view.Create(&m_frame, viewRect));
    ASSERT_NE(nullptr, m_ide.Documents().Open(AnsiToWide(folder + "long.txt")));
    m_view.Sync();
    ASSERT_EQ(1, m_view.TopLine());
    m_page = m_view.VisibleLines();
    ASSERT_GT(m_page, 3);
  }
  void Key(UINT key) { m_view.SendMessage(WM_KEYDOWN, key, MAKELPARAM(1, 0)); }
  void Scroll(UINT code, UINT position = 0) { m_view.SendMessage(WM_VSCROLL, MAKEWPARAM(code, position), 0); }

  ReferenceIde m_ide;
  CWnd m_frame;
  EditorView m_view{m_ide};
  int m_page = 0;
};

TEST_F(EditorViewKeys, KeysMoveByLinePageAndToEitherEnd) {
  Key(VK_DOWN);
  EXPECT_EQ(2, m_view.TopLine());
  Key(VK_NEXT);
  EXPECT_EQ(2 + m_page, m_view.TopLine());
  Key(VK_PRIOR);
  Key(VK_UP);
  EXPECT_EQ(1, m_view.TopLine());
  Key(VK_END);
  EXPECT_EQ(kLines, m_view.TopLine());
  Key(VK_HOME);
  EXPECT_EQ(1, m_view.TopLine());
  // Not a key of the view's.
  Key(VK_RIGHT);
  EXPECT_EQ(1, m_view.TopLine());
}

TEST_F(EditorViewKeys, ScrollBarCodesAndThumbPosition) {
  Scroll(SB_THUMBTRACK, 150);
  EXPECT_EQ(150, m_view.TopLine());
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(151, m_view.TopLine());
  Scroll(SB_PAGEUP);
  EXPECT_EQ(151 - m_page, m_view.TopLine());
  Scroll(SB_THUMBPOSITION, 20);
  Scroll(SB_LINEUP);
  EXPECT_EQ(19, m_view.TopLine());
  Scroll(SB_PAGEDOWN);
  EXPECT_EQ(19 + m_page, m_view.TopLine());
  Scroll(SB_ENDSCROLL, 99);
  EXPECT_EQ(19 + m_page, m_view.TopLine());
}

TEST_F(EditorViewKeys, WheelMovesThreeLinesANotchAndClickKeepsThePlace) {
  Scroll(SB_THUMBTRACK, 100);
  // A notch towards the user scrolls down.
  m_view.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(200, 200));
  EXPECT_EQ(103, m_view.TopLine());
  m_view.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, 2 * WHEEL_DELTA), MAKELPARAM(200, 200));
  EXPECT_EQ(97, m_view.TopLine());
  m_view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(97, m_view.TopLine());
  // The view paints every pixel itself: the background is never erased.
  EXPECT_EQ(1, m_view.SendMessage(WM_ERASEBKGND, 0, 0));
}

}  // namespace
