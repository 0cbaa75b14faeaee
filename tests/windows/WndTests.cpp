// CWnd: handle map, creation, destruction, subclassing and message map chaining.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include "fw/Wnd.h"
#include "tests/support/ExpectedSequence.h"
#include "tests/support/MessageText.h"

namespace {

const UINT kPing = WM_APP + 1;
const UINT kBaseOnly = WM_APP + 2;
const UINT kUnmapped = WM_APP + 3;

// The handlers put their calls into the record as "map" entries.
void Handled(UINT message, const char* handler, WPARAM wParam, LPARAM lParam) {
  TheRecord().Add(RecordEntry{"map", static_cast<int>(message), handler, RawArguments(wParam, lParam),
                              Delivery::Handled, ""});
}

class BaseWnd : public CWnd {
 public:
  LRESULT OnPing(WPARAM wParam, LPARAM lParam) {
    Handled(kPing, "BaseWnd::OnPing", wParam, lParam);
    return 1;
  }
  LRESULT OnBaseOnly(WPARAM wParam, LPARAM lParam) {
    Handled(kBaseOnly, "BaseWnd::OnBaseOnly", wParam, lParam);
    return 100 + static_cast<LRESULT>(wParam);
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
  ON_MESSAGE(kPing, OnPing)
  ON_MESSAGE(kBaseOnly, OnBaseOnly)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
 public:
  LRESULT OnPingHere(WPARAM wParam, LPARAM lParam) {
    Handled(kPing, "DerivedWnd::OnPingHere", wParam, lParam);
    return 2;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
  ON_MESSAGE(kPing, OnPingHere)
END_MESSAGE_MAP()

// Puts into the record what reaches the object, as "handled" entries of its
// label: the very first message, whatever it is (its state "handle set" when
// the object had its handle by then), every WM_SETTEXT, and PostNcDestroy
// (beside WM_NCDESTROY, which it follows).
class RecordingWnd : public CWnd {
 public:
  explicit RecordingWnd(const char* label = "wnd") : m_label(label) {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (m_first || message == WM_SETTEXT) {
      const char* state = m_first ? (m_hWnd ? "handle set" : "no handle") : "";
      TheRecord().Add(RecordEntry{m_label, static_cast<int>(message), MessageName(message),
                                  MessageArguments(message, wParam, lParam, true), Delivery::Handled, state});
      m_first = false;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
  void PostNcDestroy() override {
    TheRecord().Add(RecordEntry{m_label, WM_NCDESTROY, "PostNcDestroy", "", Delivery::Handled, ""});
  }
  WNDPROC Super() const { return m_pfnSuper; }

 private:
  const char* m_label;
  bool m_first = true;
};

// The derived class's entry, never the base's for the same message; the
// base's entry for another one; nothing for a message without an entry.
const Expected kDerivedThenBase[] = {
    {"map", kPing, "DerivedWnd::OnPingHere", "wParam 0x0, lParam 0x0", Delivery::Handled},
    {"map", kBaseOnly, "BaseWnd::OnBaseOnly", "wParam 0x7, lParam 0x0", Delivery::Handled},
};

// Created, then destroyed behind the object's back.
const Expected kCreatedThenDestroyed[] = {
    {"wnd", WM_NCCREATE, "WM_NCCREATE", nullptr, Delivery::Handled, "handle set"},
    {"wnd", WM_NCDESTROY, "PostNcDestroy", "", Delivery::Handled},
};

// Attached from the first message on: it has its handle by then.
const Expected kChildCreated[] = {
    {"child", WM_NCCREATE, "WM_NCCREATE", nullptr, Delivery::Handled, "handle set"},
};

const Expected kEditCreatedThenTyped[] = {
    {"edit", WM_NCCREATE, "WM_NCCREATE", nullptr, Delivery::Handled, "handle set"},
    {"edit", WM_SETTEXT, "WM_SETTEXT", "\"typed\"", Delivery::Handled},
};

// The first text set after subclassing reaches the object; none after it let go.
const Expected kSubclassedText[] = {
    {"wnd", WM_SETTEXT, "WM_SETTEXT", "\"one\"", Delivery::Handled, "handle set"},
};

const Expected kTakenOverText[] = {
    {"again", WM_SETTEXT, "WM_SETTEXT", "\"again\"", Delivery::Handled, "handle set"},
};

const RECT kRect = {10, 10, 200, 100};

HWND RawEdit() {
  return ::CreateWindowExA(0, WC_EDITA, "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                           ::GetModuleHandleA(nullptr), nullptr);
}

TEST(MessageMap, DerivedEntryWinsAndBaseEntryStillServes) {
  DerivedWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "map", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
  TheRecord().Clear();
  EXPECT_EQ(2, wnd.SendMessage(kPing));
  EXPECT_EQ(107, wnd.SendMessage(kBaseOnly, 7));
  // Unmapped messages get the default processing.
  EXPECT_EQ(0, wnd.SendMessage(kUnmapped));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kDerivedThenBase));
  wnd.SetWindowText("hello");
  CString text;
  wnd.GetWindowText(text);
  EXPECT_STREQ("hello", text);
}

TEST(HandleMap, ObjectFoundFromHandleUntilDetached) {
  HWND hwnd = RawEdit();
  ASSERT_NE(nullptr, hwnd);
  CWnd first;
  CWnd second;
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hwnd));
  ASSERT_TRUE(first.Attach(hwnd));
  EXPECT_EQ(&first, CWnd::FromHandle(hwnd));
  EXPECT_FALSE(second.Attach(hwnd));   // one object per window
  EXPECT_EQ(hwnd, first.Detach());
  EXPECT_EQ(nullptr, first.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hwnd));
  EXPECT_TRUE(second.Attach(hwnd));
  EXPECT_EQ(&second, CWnd::FromHandlePermanent(hwnd));
  EXPECT_TRUE(second.DestroyWindow());
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(nullptr, second.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hwnd));
}

TEST(HandleMap, DestroyingTheObjectDestroysItsWindow) {
  auto* wnd = new RecordingWnd;
  ASSERT_TRUE(wnd->CreateEx(0, nullptr, "", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
  HWND hwnd = wnd->m_hWnd;
  delete wnd;
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hwnd));
}

TEST(HandleMap, WindowDestroyedBehindTheObjectDetachesIt) {
  TheRecord().Clear();
  RecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
  HWND hwnd = wnd.m_hWnd;
  ::DestroyWindow(hwnd);
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hwnd));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kCreatedThenDestroyed));
  EXPECT_FALSE(wnd.DestroyWindow());   // nothing left to destroy
}

TEST(CreateEx, HiddenChildOfTheDefaultClassIsAttachedFromItsFirstMessage) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
  TheRecord().Clear();
  RecordingWnd child("child");
  RECT empty = {0, 0, 0, 0};
  ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD, empty, &parent, 0));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kChildCreated));
  EXPECT_FALSE(child.IsWindowVisible());
  EXPECT_EQ(0, child.GetDlgCtrlID());
  EXPECT_EQ(parent.m_hWnd, child.GetParentHwnd());
  EXPECT_EQ(&parent, child.GetParent());
  char className[64] = {};
  ::GetClassNameA(child.m_hWnd, className, sizeof(className));
  EXPECT_STREQ(AfxDefaultWndClass(), className);
  EXPECT_EQ(nullptr, child.Super());   // the default class's own procedure is the framework's
}

TEST(CreateEx, WindowOfAnotherClassIsRoutedThroughTheObject) {
  TheRecord().Clear();
  RecordingWnd edit("edit");
  ASSERT_TRUE(edit.CreateEx(0, WC_EDITA, "start", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
  EXPECT_NE(nullptr, edit.Super());
  edit.SetWindowText("typed");
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kEditCreatedThenTyped));
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ("typed", text);   // the edit control's own processing stored it
}

TEST(Subclass, RoutesThroughTheObjectUntilUnsubclassed) {
  HWND hwnd = RawEdit();
  ASSERT_NE(nullptr, hwnd);
  LONG_PTR original = ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
  TheRecord().Clear();
  RecordingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(hwnd));
  ::SetWindowTextA(hwnd, "one");
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kSubclassedText));
  char text[32] = {};
  ::GetWindowTextA(hwnd, text, sizeof(text));
  EXPECT_STREQ("one", text);

  EXPECT_EQ(hwnd, wnd.UnsubclassWindow());
  EXPECT_EQ(original, ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
  ::SetWindowTextA(hwnd, "two");
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kSubclassedText));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hwnd));
  ::DestroyWindow(hwnd);
}

TEST(Subclass, DetachedWindowKeepsItsOwnProcessing) {
  HWND hwnd = RawEdit();
  TheRecord().Clear();
  RecordingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(hwnd));
  wnd.Detach();
  ::SetWindowTextA(hwnd, "still an edit");
  EXPECT_TRUE(NothingRecorded(TheRecord().Entries()));
  char text[32] = {};
  ::GetWindowTextA(hwnd, text, sizeof(text));
  EXPECT_STREQ("still an edit", text);
  // A new object takes over with the edit control's processing as its default.
  RecordingWnd again("again");
  ASSERT_TRUE(again.SubclassWindow(hwnd));
  ::SetWindowTextA(hwnd, "again");
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kTakenOverText));
  ::GetWindowTextA(hwnd, text, sizeof(text));
  EXPECT_STREQ("again", text);
}

}  // namespace
