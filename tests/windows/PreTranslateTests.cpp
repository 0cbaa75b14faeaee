// Pre-translation: a key posted to the edit field of a subclassed drop-down
// combo box reaches the combo box's object while the framework's loop runs.
#include <gtest/gtest.h>
#include "fw/Controls.h"
#include "fw/Dialog.h"
#include "fw/DialogTemplate.h"

namespace {

const WORD kComboId = 1051;

class KeyCombo : public CComboBoxEx {
 public:
  bool consume = false;
  int keyDowns = 0;
  HWND keyTarget = nullptr;
  int editChanges = 0;
  bool PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN) {
      ++keyDowns;
      keyTarget = msg->hwnd;
      if (consume) return true;
    }
    return CComboBoxEx::PreTranslateMessage(msg);
  }
  void OnEditChange() { ++editChanges; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(KeyCombo, CComboBoxEx)
  ON_CONTROL_REFLECT(CBN_EDITCHANGE, OnEditChange)
END_MESSAGE_MAP()

class FilterDialog : public CDialog {
 public:
  KeyCombo combo;
  bool OnInitDialog() override {
    combo.SubclassDlgItem(kComboId, this);
    return true;
  }
};

class PreTranslate : public ::testing::Test {
 protected:
  void SetUp() override {
    t.AddItem("ComboBox", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 5, 5,
              100, 60, kComboId);
    ASSERT_TRUE(dialog.CreateIndirect(t.Get(), nullptr));
    dialog.ShowWindow(SW_SHOW);
    edit = ::FindWindowExA(dialog.combo.m_hWnd, nullptr, "Edit", nullptr);
    ASSERT_NE(nullptr, edit);
    AfxPumpPendingMessages();
  }
  void TypeA() {
    UINT scan = ::MapVirtualKeyA('A', MAPVK_VK_TO_VSC);
    ::PostMessageA(edit, WM_KEYDOWN, 'A', static_cast<LPARAM>(1 | (scan << 16)));
    ::PostMessageA(edit, WM_KEYUP, 'A', static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
    EXPECT_TRUE(AfxPumpPendingMessages());
  }
  CString EditText() {
    char text[64] = {};
    ::GetWindowTextA(edit, text, sizeof(text));
    return CString(text);
  }
  CDialogTemplate t{"Filter", WS_POPUP | WS_CAPTION, 0, 0, 120, 80};
  FilterDialog dialog;
  HWND edit = nullptr;
};

TEST_F(PreTranslate, ConsumedKeyNeverReachesTheEditField) {
  dialog.combo.consume = true;
  TypeA();
  EXPECT_EQ(1, dialog.combo.keyDowns);
  EXPECT_EQ(edit, dialog.combo.keyTarget);
  EXPECT_STREQ("", EditText());
  EXPECT_EQ(0, dialog.combo.editChanges);
}

TEST_F(PreTranslate, KeyLetThroughTypesIntoTheEditField) {
  TypeA();
  EXPECT_EQ(1, dialog.combo.keyDowns);
  EXPECT_STREQ("a", EditText());
  EXPECT_EQ(1, dialog.combo.editChanges);   // the combo's own reflected notification
}

TEST(PreTranslateWalk, StopsAtTheTopLevelWindow) {
  // A top-level window's owner is not its parent: an owned pop-up's keys are
  // not offered to the owner's object.
  struct Counting : CWnd {
    int seen = 0;
    bool PreTranslateMessage(MSG*) override { ++seen; return false; }
  };
  RECT rect = {0, 0, 100, 100};
  Counting owner;
  ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP, rect, static_cast<HWND>(nullptr), 0));
  Counting popup;
  ASSERT_TRUE(popup.CreateEx(0, nullptr, "popup", WS_POPUP, rect, &owner, 0));
  Counting child;
  ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD, rect, &popup, 7));
  MSG msg = {};
  msg.hwnd = child.m_hWnd;
  msg.message = WM_KEYDOWN;
  EXPECT_FALSE(AfxPreTranslateMessage(&msg));
  EXPECT_EQ(1, child.seen);
  EXPECT_EQ(1, popup.seen);
  EXPECT_EQ(0, owner.seen);
}

}  // namespace
