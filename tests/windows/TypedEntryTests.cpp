// The typed message map entries: each handler gets the arguments its kind
// decodes from wParam and lParam and gives the message its result; messages
// without an entry, and handlers asking for it with Default, reach the
// default processing with the message as it came.
#include <gtest/gtest.h>
#include <vector>
#include "fw/Wnd.h"

namespace {

struct DefaultCall {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Records each handler's arguments, and every call of the default processing.
class TypedWnd : public CWnd {
 public:
  int paints = 0, closes = 0, destroys = 0;
  UINT sizeType = 99;
  int sizeCx = -1, sizeCy = -1;
  HDC eraseDc = nullptr;
  bool eraseAnswer = true;
  UINT mouseKeys = 0;
  POINT mousePoint = {0, 0};
  UINT wheelKeys = 0;
  short wheelDelta = 0;
  POINT wheelPoint = {0, 0};
  UINT scrollCode = 99, scrollPosition = 0;
  HWND scrollBar = nullptr;
  UINT key = 0, keyRepeat = 0, keyFlags = 0;
  int minMaxCalls = 0;
  LRESULT defaultResult = -1;
  std::vector<DefaultCall> defaults;

  bool Create() {
    RECT rect = {0, 0, 200, 100};
    return CreateEx(0, nullptr, "typed", WS_POPUP, rect, static_cast<HWND>(nullptr), 0);
  }
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    defaults.push_back({message, wParam, lParam});
    return CWnd::DefWindowProc(message, wParam, lParam);
  }
  bool DefaultSaw(UINT message, WPARAM wParam, LPARAM lParam) const {
    for (const DefaultCall& call : defaults) {
      if (call.message == message && call.wParam == wParam && call.lParam == lParam) return true;
    }
    return false;
  }
  bool DefaultSaw(UINT message) const {
    for (const DefaultCall& call : defaults) {
      if (call.message == message) return true;
    }
    return false;
  }
  LRESULT CallDefault() { return Default(); }

  void OnPaint() { ++paints; }
  void OnClose() { ++closes; }
  void OnDestroy() { ++destroys; }
  void OnSize(UINT type, int cx, int cy) { sizeType = type, sizeCx = cx, sizeCy = cy; }
  bool OnEraseBkgnd(HDC dc) { eraseDc = dc; return eraseAnswer; }
  void OnLButtonDown(UINT keys, POINT point) { mouseKeys = keys, mousePoint = point; }
  void OnMouseWheel(UINT keys, short delta, POINT point) { wheelKeys = keys, wheelDelta = delta, wheelPoint = point; }
  void OnVScroll(UINT code, UINT position, HWND bar) { scrollCode = code, scrollPosition = position, scrollBar = bar; }
  // F1 asks for the default processing; F2 first sends the window a message
  // of its own, then asks for it: Default must still mean the F2 key.
  void OnKeyDown(UINT vk, UINT repeat, UINT flags) {
    key = vk, keyRepeat = repeat, keyFlags = flags;
    if (vk == VK_F2) SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(1, 2));
    if (vk == VK_F1 || vk == VK_F2) defaultResult = Default();
  }
  void OnGetMinMaxInfo(MINMAXINFO* info) {
    ++minMaxCalls;
    info->ptMinTrackSize = {123, 45};
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TypedWnd, CWnd)
  ON_WM_PAINT()
  ON_WM_CLOSE()
  ON_WM_DESTROY()
  ON_WM_SIZE()
  ON_WM_ERASEBKGND()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEWHEEL()
  ON_WM_VSCROLL()
  ON_WM_KEYDOWN()
  ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

// A command entry in a derived class, over a base that takes every other WM_COMMAND.
class AnyCommandWnd : public CWnd {
 public:
  LRESULT OnAnyCommand(WPARAM, LPARAM) { return 55; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(AnyCommandWnd, CWnd)
  ON_MESSAGE(WM_COMMAND, OnAnyCommand)
END_MESSAGE_MAP()

class CommandWnd : public AnyCommandWnd {
 public:
  int changes = 0;
  void OnChange() { ++changes; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CommandWnd, AnyCommandWnd)
  ON_CONTROL(EN_CHANGE, 5, OnChange)
END_MESSAGE_MAP()

// A derived class's ON_MESSAGE for WM_SIZE wins over its base's typed entry.
class DerivedSizeWnd : public TypedWnd {
 public:
  LRESULT OnSizeMessage(WPARAM, LPARAM) { return 77; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(DerivedSizeWnd, TypedWnd)
  ON_MESSAGE(WM_SIZE, OnSizeMessage)
END_MESSAGE_MAP()

class TypedEntries : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(wnd.Create()); wnd.defaults.clear(); }
  TypedWnd wnd;
};

TEST_F(TypedEntries, SizeGivesTypeThenWidthThenHeight) {
  EXPECT_EQ(0, wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(300, 200)));
  EXPECT_EQ(static_cast<UINT>(SIZE_MAXIMIZED), wnd.sizeType);
  EXPECT_EQ(300, wnd.sizeCx);
  EXPECT_EQ(200, wnd.sizeCy);
  // Sizes are unsigned 16-bit words.
  wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(40000, 1));
  EXPECT_EQ(40000, wnd.sizeCx);
  EXPECT_FALSE(wnd.DefaultSaw(WM_SIZE));
}

TEST_F(TypedEntries, MessagesWithoutArgumentsAreHandledAndEndThere) {
  EXPECT_EQ(0, wnd.SendMessage(WM_PAINT));
  EXPECT_EQ(1, wnd.paints);
  // Left to the default processing, WM_CLOSE would destroy the window.
  EXPECT_EQ(0, wnd.SendMessage(WM_CLOSE));
  EXPECT_EQ(1, wnd.closes);
  EXPECT_TRUE(wnd.IsWindow());
  EXPECT_FALSE(wnd.DefaultSaw(WM_PAINT));
  EXPECT_FALSE(wnd.DefaultSaw(WM_CLOSE));
  EXPECT_EQ(0, wnd.destroys);
  wnd.DestroyWindow();
  EXPECT_EQ(1, wnd.destroys);
}

TEST_F(TypedEntries, EraseBackgroundGetsTheDcAndAnswersOneOrZero) {
  HDC dc = reinterpret_cast<HDC>(static_cast<UINT_PTR>(0x5A10));
  EXPECT_EQ(1, wnd.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0x77));
  EXPECT_EQ(dc, wnd.eraseDc);
  wnd.eraseAnswer = false;
  EXPECT_EQ(0, wnd.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
}

TEST_F(TypedEntries, MousePointsAreSignedAndKeysComeFromTheirOwnWord) {
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 40));
  EXPECT_EQ(static_cast<UINT>(MK_LBUTTON | MK_SHIFT), wnd.mouseKeys);
  EXPECT_EQ(-5, wnd.mousePoint.x);
  EXPECT_EQ(40, wnd.mousePoint.y);

  wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -2 * WHEEL_DELTA), MAKELPARAM(100, -20));
  EXPECT_EQ(static_cast<UINT>(MK_CONTROL), wnd.wheelKeys);
  EXPECT_EQ(-2 * WHEEL_DELTA, wnd.wheelDelta);
  EXPECT_EQ(100, wnd.wheelPoint.x);
  EXPECT_EQ(-20, wnd.wheelPoint.y);
  EXPECT_FALSE(wnd.DefaultSaw(WM_LBUTTONDOWN));
  EXPECT_FALSE(wnd.DefaultSaw(WM_MOUSEWHEEL));
}

TEST_F(TypedEntries, ScrollGivesCodePositionAndBar) {
  HWND bar = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x3210));
  wnd.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40000), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(static_cast<UINT>(SB_THUMBTRACK), wnd.scrollCode);
  EXPECT_EQ(40000u, wnd.scrollPosition);
  EXPECT_EQ(bar, wnd.scrollBar);
}

TEST_F(TypedEntries, KeyDownGivesKeyRepeatAndFlags) {
  EXPECT_EQ(0, wnd.SendMessage(WM_KEYDOWN, VK_NEXT, MAKELPARAM(3, 0x4151)));
  EXPECT_EQ(static_cast<UINT>(VK_NEXT), wnd.key);
  EXPECT_EQ(3u, wnd.keyRepeat);
  EXPECT_EQ(0x4151u, wnd.keyFlags);
  EXPECT_FALSE(wnd.DefaultSaw(WM_KEYDOWN));
}

TEST_F(TypedEntries, MinMaxInfoIsFilledAndAMessageWithoutItGoesToTheDefault) {
  MINMAXINFO info = {};
  wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(123, info.ptMinTrackSize.x);
  EXPECT_EQ(45, info.ptMinTrackSize.y);
  int calls = wnd.minMaxCalls;
  wnd.SendMessage(WM_GETMINMAXINFO, 0, 0);
  EXPECT_EQ(calls, wnd.minMaxCalls);
  EXPECT_TRUE(wnd.DefaultSaw(WM_GETMINMAXINFO, 0, 0));
}

TEST_F(TypedEntries, DefaultRunsTheHandledMessageAsItCame) {
  wnd.SendMessage(WM_KEYDOWN, VK_F1, MAKELPARAM(1, 0x3B));
  EXPECT_TRUE(wnd.DefaultSaw(WM_KEYDOWN, VK_F1, MAKELPARAM(1, 0x3B)));
  EXPECT_EQ(0, wnd.defaultResult);   // DefWindowProc's answer to a key
  // A message sent from the handler has ended by the time it calls Default.
  wnd.defaults.clear();
  wnd.SendMessage(WM_KEYDOWN, VK_F2, MAKELPARAM(1, 0x3C));
  EXPECT_EQ(1, wnd.sizeCx);
  ASSERT_EQ(1u, wnd.defaults.size());
  EXPECT_TRUE(wnd.DefaultSaw(WM_KEYDOWN, VK_F2, MAKELPARAM(1, 0x3C)));
}

TEST_F(TypedEntries, DefaultOutsideAHandlerDoesNothing) {
  EXPECT_EQ(0, wnd.CallDefault());
  EXPECT_TRUE(wnd.defaults.empty());
}

TEST_F(TypedEntries, MessagesWithoutAnEntryReachTheDefaultProcessing) {
  wnd.SendMessage(WM_KEYUP, VK_NEXT, MAKELPARAM(1, 0xC151));
  EXPECT_EQ(0u, wnd.key);
  EXPECT_TRUE(wnd.DefaultSaw(WM_KEYUP, VK_NEXT, MAKELPARAM(1, 0xC151)));
  wnd.SetWindowText("typed text");
  CString text;
  wnd.GetWindowText(text);
  EXPECT_STREQ("typed text", text);
}

TEST(TypedEntryLookup, ACommandEntryDoesNotHideTheBaseMessageEntry) {
  CommandWnd wnd;
  RECT rect = {0, 0, 100, 50};
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "commands", WS_POPUP, rect, static_cast<HWND>(nullptr), 0));
  EXPECT_EQ(0, wnd.SendMessage(WM_COMMAND, MAKEWPARAM(5, EN_CHANGE), 0));
  EXPECT_EQ(1, wnd.changes);
  // Another code of the same control: the base's entry for the message answers.
  EXPECT_EQ(55, wnd.SendMessage(WM_COMMAND, MAKEWPARAM(5, EN_UPDATE), 0));
  EXPECT_EQ(1, wnd.changes);
}

TEST(TypedEntryLookup, DerivedMessageEntryWinsOverBaseTypedEntry) {
  DerivedSizeWnd wnd;
  ASSERT_TRUE(wnd.Create());
  EXPECT_EQ(77, wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(10, 20)));
  EXPECT_EQ(-1, wnd.sizeCx);
  // The base's other entries still serve.
  wnd.SendMessage(WM_KEYDOWN, VK_UP, MAKELPARAM(1, 0x48));
  EXPECT_EQ(static_cast<UINT>(VK_UP), wnd.key);
}

}  // namespace
