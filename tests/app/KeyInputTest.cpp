// A key with Ctrl as the scripted mode delivers it: the window gets the
// key-down while the system's Ctrl is held, and when Ctrl cannot be held the
// caller is told that the key did not go through.
#include <gtest/gtest.h>
#include <windows.h>
#include <vector>
#include "CtrlBlock.h"
#include "host/script/KeyInput.h"

namespace {

struct KeyDown {
  WPARAM vk;
  bool ctrlHeld;   // the system's Ctrl, as the module tests it
};
std::vector<KeyDown> g_keyDowns;

LRESULT CALLBACK KeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam != VK_CONTROL)
    g_keyDowns.push_back({wParam, (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0});
  return DefWindowProcA(window, message, wParam, lParam);
}

class KeyWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = KeyWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ZrKeyInputProbe";
    RegisterClassA(&windowClass);
    m_window = CreateWindowExA(0, "ZrKeyInputProbe", "keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200, 100,
                               nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(m_window, nullptr);
    SetForegroundWindow(m_window);
    SetFocus(m_window);
    PumpPending();
    g_keyDowns.clear();
  }
  void TearDown() override {
    DestroyWindow(m_window);
    PumpPending();
  }
  HWND m_window = nullptr;
};

TEST_F(KeyWindow, ACtrlKeyArrivesWithTheSystemsCtrlHeld) {
  KeyStroke key;
  ASSERT_TRUE(ParseKeyName("Ctrl+End", key));
  EXPECT_TRUE(PostKey(m_window, key));
  ASSERT_EQ(g_keyDowns.size(), 1u);
  EXPECT_EQ(g_keyDowns[0].vk, static_cast<WPARAM>(VK_END));
  EXPECT_TRUE(g_keyDowns[0].ctrlHeld);
  // Ctrl is let go again afterwards.
  EXPECT_EQ(GetAsyncKeyState(VK_CONTROL) & 0x8000, 0);
}

TEST_F(KeyWindow, ACtrlKeyThatCannotGetCtrlHeldIsReportedAsNotDelivered) {
  KeyStroke key;
  ASSERT_TRUE(ParseKeyName("Ctrl+End", key));
  {
    CtrlBlock block;
    ASSERT_TRUE(block.active());
    EXPECT_FALSE(PostKey(m_window, key));
  }
  // Whatever reached the window did not come with Ctrl held.
  for (const KeyDown& down : g_keyDowns) EXPECT_FALSE(down.ctrlHeld);
  // A key without Ctrl needs no system key and always goes through.
  ASSERT_TRUE(ParseKeyName("End", key));
  EXPECT_TRUE(PostKey(m_window, key));
  ASSERT_FALSE(g_keyDowns.empty());
  EXPECT_EQ(g_keyDowns.back().vk, static_cast<WPARAM>(VK_END));
}

}  // namespace
