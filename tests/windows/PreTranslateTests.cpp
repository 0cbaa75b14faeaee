// Pre-translation: a key posted to the edit field of a subclassed drop-down
// combo box reaches the combo box's object while the framework's loop runs.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include "fw/Controls.h"
#include "fw/Dialog.h"
#include "fw/DialogTemplate.h"
#include "tests/support/ExpectedSequence.h"
#include "tests/support/MessageText.h"

namespace {

const WORD kComboId = 1051;

// Puts into the record, as "combo" entries, the key-downs offered to it
// (with the window they were for) and its reflected edit changes.
class KeyCombo : public CComboBoxEx {
 public:
  bool consume = false;
  bool PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN) {
      TheRecord().Add(RecordEntry{"combo", WM_KEYDOWN, "PreTranslateMessage",
                                  KeyName(msg->wParam) + " for " + HexText(reinterpret_cast<ULONG_PTR>(msg->hwnd)),
                                  Delivery::Handled, ""});
      if (consume) return true;
    }
    return CComboBoxEx::PreTranslateMessage(msg);
  }
  void OnEditChange() {
    TheRecord().Add(RecordEntry{"combo", WM_COMMAND, "OnEditChange", "", Delivery::Handled, ""});
  }
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

// The key offered to the combo box's object, for the edit field ($edit), and
// kept from it.
const Expected kConsumed[] = {
    {"combo", WM_KEYDOWN, "PreTranslateMessage", "'A' for $edit", Delivery::Handled},
};
// Let through, it types into the edit field, whose change comes back reflected.
const Expected kLetThrough[] = {
    {"combo", WM_KEYDOWN, "PreTranslateMessage", "'A' for $edit", Delivery::Handled},
    {"combo", WM_COMMAND, "OnEditChange", "", Delivery::Handled},
};

// A child's key is offered to it, then to its parent, the owned pop-up; not
// to the pop-up's owner: a top-level window's owner is not its parent.
const Expected kChildThenPopup[] = {
    {"child", WM_KEYDOWN, "PreTranslateMessage", "", Delivery::Handled},
    {"popup", WM_KEYDOWN, "PreTranslateMessage", "", Delivery::Handled},
};

class PreTranslate : public ::testing::Test {
 protected:
  void SetUp() override {
    t.AddItem(WC_COMBOBOXA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 5, 5,
              100, 60, kComboId);
    ASSERT_TRUE(dialog.CreateIndirect(t.Get(), nullptr));
    dialog.ShowWindow(SW_SHOW);
    edit = ::FindWindowExA(dialog.combo.m_hWnd, nullptr, WC_EDITA, nullptr);
    ASSERT_NE(nullptr, edit);
    AfxPumpPendingMessages();
    TheRecord().Clear();
  }
  void TypeA() {
    UINT scan = ::MapVirtualKeyA('A', MAPVK_VK_TO_VSC);
    ::PostMessageA(edit, WM_KEYDOWN, 'A', static_cast<LPARAM>(1 | (scan << 16)));
    ::PostMessageA(edit, WM_KEYUP, 'A', static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
    EXPECT_TRUE(AfxPumpPendingMessages());
  }
  Placeholders Edit() const { return {{"$edit", HexText(reinterpret_cast<ULONG_PTR>(edit))}}; }
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
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kConsumed, Edit()));
  EXPECT_STREQ("", EditText());
}

TEST_F(PreTranslate, KeyLetThroughTypesIntoTheEditField) {
  TypeA();
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kLetThrough, Edit()));
  EXPECT_STREQ("a", EditText());
}

TEST(PreTranslateWalk, StopsAtTheTopLevelWindow) {
  // Each object puts the messages offered to it into the record, under its label.
  struct Offered : CWnd {
    explicit Offered(const char* label) : label(label) {}
    const char* label;
    bool PreTranslateMessage(MSG* msg) override {
      TheRecord().Add(RecordEntry{label, static_cast<int>(msg->message), "PreTranslateMessage", "",
                                  Delivery::Handled, ""});
      return false;
    }
  };
  RECT rect = {0, 0, 100, 100};
  Offered owner("owner");
  ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP, rect, static_cast<HWND>(nullptr), 0));
  Offered popup("popup");
  ASSERT_TRUE(popup.CreateEx(0, nullptr, "popup", WS_POPUP, rect, &owner, 0));
  Offered child("child");
  ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD, rect, &popup, 7));
  MSG msg = {};
  msg.hwnd = child.m_hWnd;
  msg.message = WM_KEYDOWN;
  TheRecord().Clear();
  EXPECT_FALSE(AfxPreTranslateMessage(&msg));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kChildThenPopup));
}

}  // namespace
