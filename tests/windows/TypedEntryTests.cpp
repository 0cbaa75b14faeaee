// The typed message map entries: each handler gets the arguments its kind
// decodes from wParam and lParam and gives the message its result; messages
// without an entry, and handlers asking for it with Default, reach the
// default processing with the message as it came.
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include "fw/Wnd.h"
#include "tests/support/ExpectedSequence.h"
#include "tests/support/MessageText.h"

namespace {

// A handler's arguments as its entry writes them: in the handler's order,
// numbers in decimal, flags and handles in hex.
std::string Join(std::initializer_list<std::string> parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
  return text;
}
std::string Hex(const void* handle) { return HexText(reinterpret_cast<ULONG_PTR>(handle)); }
std::string Point(POINT point) { return Join({std::to_string(point.x), std::to_string(point.y)}); }

void Handled(const char* label, UINT message, const char* handler, std::string arguments = "") {
  TheRecord().Add(RecordEntry{label, static_cast<int>(message), handler, std::move(arguments), Delivery::Handled, ""});
}

// Puts into the record, as "typed" entries, each handler's call with the
// arguments it got and each call of the default processing with the message
// as it came.
class TypedWnd : public CWnd {
 public:
  bool eraseAnswer = true;
  LRESULT defaultResult = -1;

  bool Create() {
    RECT rect = {0, 0, 200, 100};
    return CreateEx(0, nullptr, "typed", WS_POPUP, rect, static_cast<HWND>(nullptr), 0);
  }
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    Handled("typed", message, "DefWindowProc", RawArguments(wParam, lParam));
    return CWnd::DefWindowProc(message, wParam, lParam);
  }
  LRESULT CallDefault() { return Default(); }

  void OnPaint() { Handled("typed", WM_PAINT, "OnPaint"); }
  void OnClose() { Handled("typed", WM_CLOSE, "OnClose"); }
  void OnDestroy() { Handled("typed", WM_DESTROY, "OnDestroy"); }
  void OnSize(UINT type, int cx, int cy) {
    Handled("typed", WM_SIZE, "OnSize", Join({std::to_string(type), std::to_string(cx), std::to_string(cy)}));
  }
  bool OnEraseBkgnd(HDC dc) {
    Handled("typed", WM_ERASEBKGND, "OnEraseBkgnd", Hex(dc));
    return eraseAnswer;
  }
  void OnLButtonDown(UINT keys, POINT point) {
    Handled("typed", WM_LBUTTONDOWN, "OnLButtonDown", Join({HexText(keys), Point(point)}));
  }
  void OnMouseWheel(UINT keys, short delta, POINT point) {
    Handled("typed", WM_MOUSEWHEEL, "OnMouseWheel", Join({HexText(keys), std::to_string(delta), Point(point)}));
  }
  void OnVScroll(UINT code, UINT position, HWND bar) {
    Handled("typed", WM_VSCROLL, "OnVScroll", Join({std::to_string(code), std::to_string(position), Hex(bar)}));
  }
  // F1 asks for the default processing; F2 first sends the window a message
  // of its own, then asks for it: Default must still mean the F2 key.
  void OnKeyDown(UINT vk, UINT repeat, UINT flags) {
    Handled("typed", WM_KEYDOWN, "OnKeyDown", Join({KeyName(vk), std::to_string(repeat), HexText(flags)}));
    if (vk == VK_F2) SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(1, 2));
    if (vk == VK_F1 || vk == VK_F2) defaultResult = Default();
  }
  void OnGetMinMaxInfo(MINMAXINFO* info) {
    Handled("typed", WM_GETMINMAXINFO, "OnGetMinMaxInfo", Hex(info));
    info->ptMinTrackSize = {123, 45};
  }
  void OnTimer(UINT_PTR id) { Handled("typed", WM_TIMER, "OnTimer", HexText(id)); }
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
  ON_WM_TIMER()
END_MESSAGE_MAP()

// A command entry in a derived class, over a base that takes every other WM_COMMAND.
class AnyCommandWnd : public CWnd {
 public:
  LRESULT OnAnyCommand(WPARAM wParam, LPARAM lParam) {
    Handled("commands", WM_COMMAND, "OnAnyCommand", RawArguments(wParam, lParam));
    return 55;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(AnyCommandWnd, CWnd)
  ON_MESSAGE(WM_COMMAND, OnAnyCommand)
END_MESSAGE_MAP()

class CommandWnd : public AnyCommandWnd {
 public:
  void OnChange() { Handled("commands", WM_COMMAND, "OnChange"); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CommandWnd, AnyCommandWnd)
  ON_CONTROL(EN_CHANGE, 5, OnChange)
END_MESSAGE_MAP()

// A derived class's ON_MESSAGE for WM_SIZE wins over its base's typed entry.
class DerivedSizeWnd : public TypedWnd {
 public:
  LRESULT OnSizeMessage(WPARAM wParam, LPARAM lParam) {
    Handled("typed", WM_SIZE, "OnSizeMessage", RawArguments(wParam, lParam));
    return 77;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(DerivedSizeWnd, TypedWnd)
  ON_MESSAGE(WM_SIZE, OnSizeMessage)
END_MESSAGE_MAP()

// No row here reaches the default processing unless it says so.
const Expected kSizes[] = {
    {"typed", WM_SIZE, "OnSize", "2, 300, 200", Delivery::Handled},   // SIZE_MAXIMIZED
    {"typed", WM_SIZE, "OnSize", "0, 40000, 1", Delivery::Handled},   // sizes are unsigned 16-bit words
};

const Expected kPaintedAndClosed[] = {
    {"typed", WM_PAINT, "OnPaint", "", Delivery::Handled},
    {"typed", WM_CLOSE, "OnClose", "", Delivery::Handled},
};
const Expected kThenDestroyed[] = {
    {"typed", WM_PAINT, "OnPaint", "", Delivery::Handled},
    {"typed", WM_CLOSE, "OnClose", "", Delivery::Handled},
    {"typed", WM_DESTROY, "OnDestroy", "", Delivery::Handled},
};

const Expected kErasedTwice[] = {
    {"typed", WM_ERASEBKGND, "OnEraseBkgnd", "0x5A10", Delivery::Handled},
    {"typed", WM_ERASEBKGND, "OnEraseBkgnd", "0x5A10", Delivery::Handled},
};

const Expected kMouse[] = {
    {"typed", WM_LBUTTONDOWN, "OnLButtonDown", "0x5, -5, 40", Delivery::Handled},       // MK_LBUTTON | MK_SHIFT
    {"typed", WM_MOUSEWHEEL, "OnMouseWheel", "0x8, -240, 100, -20", Delivery::Handled},  // MK_CONTROL
};

const Expected kThumbTrack[] = {
    {"typed", WM_VSCROLL, "OnVScroll", "5, 40000, 0x3210", Delivery::Handled},   // SB_THUMBTRACK
};

const Expected kPageDown[] = {
    {"typed", WM_KEYDOWN, "OnKeyDown", "VK_NEXT, 3, 0x4151", Delivery::Handled},
};

// Without a record to fill, the handler is left out and the default has the message.
const Expected kMinMax[] = {
    {"typed", WM_GETMINMAXINFO, "OnGetMinMaxInfo", "$info", Delivery::Handled},
    {"typed", WM_GETMINMAXINFO, "DefWindowProc", "wParam 0x0, lParam 0x0", Delivery::Handled},
};

// A window's own timer, posted by the system: its id, all of wParam.
const Expected kTimer[] = {
    {"typed", WM_TIMER, "OnTimer", "0x7", Delivery::Handled},
};

const Expected kF1ToTheDefault[] = {
    {"typed", WM_KEYDOWN, "OnKeyDown", "VK_F1, 1, 0x3B", Delivery::Handled},
    {"typed", WM_KEYDOWN, "DefWindowProc", "wParam 0x70, lParam 0x3B0001", Delivery::Handled},
};
// The message sent from the handler has ended by the time it calls Default.
const Expected kF2ToTheDefault[] = {
    {"typed", WM_KEYDOWN, "OnKeyDown", "VK_F2, 1, 0x3C", Delivery::Handled},
    {"typed", WM_SIZE, "OnSize", "0, 1, 2", Delivery::Handled},
    {"typed", WM_KEYDOWN, "DefWindowProc", "wParam 0x71, lParam 0x3C0001", Delivery::Handled},
};

const Expected kKeyUpToTheDefault[] = {
    {"typed", WM_KEYUP, "DefWindowProc", "wParam 0x22, lParam 0xC1510001", Delivery::Handled},
};

const Expected kChange[] = {
    {"commands", WM_COMMAND, "OnChange", "", Delivery::Handled},
};
// Another code of the same control: the base's entry for the message answers.
const Expected kChangeThenUpdate[] = {
    {"commands", WM_COMMAND, "OnChange", "", Delivery::Handled},
    {"commands", WM_COMMAND, "OnAnyCommand", "wParam 0x4000005, lParam 0x0", Delivery::Handled},   // EN_UPDATE from 5
};

const Expected kDerivedSize[] = {
    {"typed", WM_SIZE, "OnSizeMessage", "wParam 0x0, lParam 0x14000A", Delivery::Handled},
};
// The base's other entries still serve.
const Expected kDerivedSizeThenBaseKey[] = {
    {"typed", WM_SIZE, "OnSizeMessage", "wParam 0x0, lParam 0x14000A", Delivery::Handled},
    {"typed", WM_KEYDOWN, "OnKeyDown", "VK_UP, 1, 0x48", Delivery::Handled},
};

// The entries of these messages, in order.
std::vector<RecordEntry> Of(std::initializer_list<UINT> messages) {
  return Only(TheRecord().Entries(), [&](const RecordEntry& entry) {
    for (UINT message : messages)
      if (entry.slot == static_cast<int>(message)) return true;
    return false;
  });
}

class TypedEntries : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(wnd.Create());
    TheRecord().Clear();
  }
  TypedWnd wnd;
};

TEST_F(TypedEntries, SizeGivesTypeThenWidthThenHeight) {
  EXPECT_EQ(0, wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(300, 200)));
  wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(40000, 1));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kSizes));
}

TEST_F(TypedEntries, MessagesWithoutArgumentsAreHandledAndEndThere) {
  EXPECT_EQ(0, wnd.SendMessage(WM_PAINT));
  // Left to the default processing, WM_CLOSE would destroy the window.
  EXPECT_EQ(0, wnd.SendMessage(WM_CLOSE));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kPaintedAndClosed));
  EXPECT_TRUE(wnd.IsWindow());
  wnd.DestroyWindow();
  EXPECT_TRUE(SequenceIs(Of({WM_PAINT, WM_CLOSE, WM_DESTROY}), kThenDestroyed));
}

TEST_F(TypedEntries, EraseBackgroundGetsTheDcAndAnswersOneOrZero) {
  HDC dc = reinterpret_cast<HDC>(static_cast<UINT_PTR>(0x5A10));
  EXPECT_EQ(1, wnd.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0x77));
  wnd.eraseAnswer = false;
  EXPECT_EQ(0, wnd.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kErasedTwice));
}

TEST_F(TypedEntries, MousePointsAreSignedAndKeysComeFromTheirOwnWord) {
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 40));
  // Two notches towards the user.
  wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-2 * WHEEL_DELTA)), MAKELPARAM(100, -20));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kMouse));
}

TEST_F(TypedEntries, ScrollGivesCodePositionAndBar) {
  HWND bar = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x3210));
  wnd.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40000), reinterpret_cast<LPARAM>(bar));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kThumbTrack));
}

TEST_F(TypedEntries, KeyDownGivesKeyRepeatAndFlags) {
  EXPECT_EQ(0, wnd.SendMessage(WM_KEYDOWN, VK_NEXT, MAKELPARAM(3, 0x4151)));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kPageDown));
}

TEST_F(TypedEntries, MinMaxInfoIsFilledAndAMessageWithoutItGoesToTheDefault) {
  MINMAXINFO info = {};
  wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(123, info.ptMinTrackSize.x);
  EXPECT_EQ(45, info.ptMinTrackSize.y);
  wnd.SendMessage(WM_GETMINMAXINFO, 0, 0);
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kMinMax, {{"$info", Hex(&info)}}));
}

TEST_F(TypedEntries, TimerGivesItsIdWhenItFires) {
  ASSERT_NE(0u, wnd.SetTimer(7, 1));
  MSG msg;
  while (::GetMessageA(&msg, wnd.GetSafeHwnd(), WM_TIMER, WM_TIMER) > 0) {
    ::DispatchMessageA(&msg);
    break;
  }
  EXPECT_TRUE(wnd.KillTimer(7));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kTimer));
}

TEST_F(TypedEntries, DefaultRunsTheHandledMessageAsItCame) {
  wnd.SendMessage(WM_KEYDOWN, VK_F1, MAKELPARAM(1, 0x3B));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kF1ToTheDefault));
  EXPECT_EQ(0, wnd.defaultResult);   // DefWindowProc's answer to a key
  TheRecord().Clear();
  wnd.SendMessage(WM_KEYDOWN, VK_F2, MAKELPARAM(1, 0x3C));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kF2ToTheDefault));
}

TEST_F(TypedEntries, DefaultOutsideAHandlerDoesNothing) {
  EXPECT_EQ(0, wnd.CallDefault());
  EXPECT_TRUE(NothingRecorded(TheRecord().Entries()));
}

TEST_F(TypedEntries, MessagesWithoutAnEntryReachTheDefaultProcessing) {
  wnd.SendMessage(WM_KEYUP, VK_NEXT, MAKELPARAM(1, 0xC151));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kKeyUpToTheDefault));   // and not OnKeyDown
  wnd.SetWindowText("typed text");
  CString text;
  wnd.GetWindowText(text);
  EXPECT_STREQ("typed text", text);
}

TEST(TypedEntryLookup, ACommandEntryDoesNotHideTheBaseMessageEntry) {
  CommandWnd wnd;
  RECT rect = {0, 0, 100, 50};
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "commands", WS_POPUP, rect, static_cast<HWND>(nullptr), 0));
  TheRecord().Clear();
  EXPECT_EQ(0, wnd.SendMessage(WM_COMMAND, MAKEWPARAM(5, EN_CHANGE), 0));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kChange));
  EXPECT_EQ(55, wnd.SendMessage(WM_COMMAND, MAKEWPARAM(5, EN_UPDATE), 0));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kChangeThenUpdate));
}

TEST(TypedEntryLookup, DerivedMessageEntryWinsOverBaseTypedEntry) {
  DerivedSizeWnd wnd;
  ASSERT_TRUE(wnd.Create());
  TheRecord().Clear();
  EXPECT_EQ(77, wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(10, 20)));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kDerivedSize));
  wnd.SendMessage(WM_KEYDOWN, VK_UP, MAKELPARAM(1, 0x48));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kDerivedSizeThenBaseKey));
}

}  // namespace
