// CWnd: handle map, creation, destruction, subclassing and message map chaining.
#include <gtest/gtest.h>
#include "fw/Wnd.h"

namespace {

const UINT kPing = WM_APP + 1;
const UINT kBaseOnly = WM_APP + 2;
const UINT kUnmapped = WM_APP + 3;

class BaseWnd : public CWnd {
 public:
  int baseHits = 0;
  LRESULT OnPing(WPARAM, LPARAM) { ++baseHits; return 1; }
  LRESULT OnBaseOnly(WPARAM wParam, LPARAM) { return 100 + static_cast<LRESULT>(wParam); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
  ON_MESSAGE(kPing, OnPing)
  ON_MESSAGE(kBaseOnly, OnBaseOnly)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
 public:
  int derivedHits = 0;
  LRESULT OnPingHere(WPARAM, LPARAM) { ++derivedHits; return 2; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
  ON_MESSAGE(kPing, OnPingHere)
END_MESSAGE_MAP()

// Records what reaches the object, from the very first message on.
class RecordingWnd : public CWnd {
 public:
  UINT firstMessage = 0;
  bool handleSetOnFirst = false;
  int setTextCount = 0;
  int postNcDestroyCount = 0;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (firstMessage == 0) {
      firstMessage = message;
      handleSetOnFirst = m_hWnd != nullptr;
    }
    if (message == WM_SETTEXT) ++setTextCount;
    return CWnd::WindowProc(message, wParam, lParam);
  }
  void PostNcDestroy() override { ++postNcDestroyCount; }
  WNDPROC Super() const { return m_pfnSuper; }
};

const RECT kRect = {10, 10, 200, 100};

HWND RawEdit() {
  return ::CreateWindowExA(0, "Edit", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                           ::GetModuleHandleA(nullptr), nullptr);
}

TEST(MessageMap, DerivedEntryWinsAndBaseEntryStillServes) {
  DerivedWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "map", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
  EXPECT_EQ(2, wnd.SendMessage(kPing));
  EXPECT_EQ(1, wnd.derivedHits);
  EXPECT_EQ(0, wnd.baseHits);
  EXPECT_EQ(107, wnd.SendMessage(kBaseOnly, 7));
  // Unmapped messages get the default processing.
  EXPECT_EQ(0, wnd.SendMessage(kUnmapped));
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
  RecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
  HWND hwnd = wnd.m_hWnd;
  ::DestroyWindow(hwnd);
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hwnd));
  EXPECT_EQ(1, wnd.postNcDestroyCount);
  EXPECT_FALSE(wnd.DestroyWindow());   // nothing left to destroy
}

TEST(CreateEx, HiddenChildOfTheDefaultClassIsAttachedFromItsFirstMessage) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
  RecordingWnd child;
  RECT empty = {0, 0, 0, 0};
  ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD, empty, &parent, 0));
  EXPECT_EQ(WM_NCCREATE, child.firstMessage);
  EXPECT_TRUE(child.handleSetOnFirst);
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
  RecordingWnd edit;
  ASSERT_TRUE(edit.CreateEx(0, "Edit", "start", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
  EXPECT_EQ(WM_NCCREATE, edit.firstMessage);
  EXPECT_NE(nullptr, edit.Super());
  edit.SetWindowText("typed");
  EXPECT_EQ(1, edit.setTextCount);
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ("typed", text);   // the edit control's own processing stored it
}

TEST(Subclass, RoutesThroughTheObjectUntilUnsubclassed) {
  HWND hwnd = RawEdit();
  ASSERT_NE(nullptr, hwnd);
  LONG_PTR original = ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
  RecordingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(hwnd));
  ::SetWindowTextA(hwnd, "one");
  EXPECT_EQ(1, wnd.setTextCount);
  char text[32] = {};
  ::GetWindowTextA(hwnd, text, sizeof(text));
  EXPECT_STREQ("one", text);

  EXPECT_EQ(hwnd, wnd.UnsubclassWindow());
  EXPECT_EQ(original, ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
  ::SetWindowTextA(hwnd, "two");
  EXPECT_EQ(1, wnd.setTextCount);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hwnd));
  ::DestroyWindow(hwnd);
}

TEST(Subclass, DetachedWindowKeepsItsOwnProcessing) {
  HWND hwnd = RawEdit();
  RecordingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(hwnd));
  wnd.Detach();
  ::SetWindowTextA(hwnd, "still an edit");
  EXPECT_EQ(0, wnd.setTextCount);
  char text[32] = {};
  ::GetWindowTextA(hwnd, text, sizeof(text));
  EXPECT_STREQ("still an edit", text);
  // A new object takes over with the edit control's processing as its default.
  RecordingWnd again;
  ASSERT_TRUE(again.SubclassWindow(hwnd));
  ::SetWindowTextA(hwnd, "again");
  EXPECT_EQ(1, again.setTextCount);
  ::GetWindowTextA(hwnd, text, sizeof(text));
  EXPECT_STREQ("again", text);
}

}  // namespace
