// CDialog with subclassed controls: notification reflection, the parent's own
// handlers, modal runs.
#include <gtest/gtest.h>
#include <cstdio>
#include "fw/Controls.h"
#include "fw/Dialog.h"
#include "fw/DialogTemplate.h"

namespace {

const WORD kListId = 1020;
const WORD kComboId = 1021;

// A list view whose rows' text comes from its own reflected display requests.
class ReflectingList : public CListCtrl {
 public:
  int answered = 0;
  char text[64] = {};
  void OnGetDispInfo(NMHDR* header, LRESULT* result) {
    auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
    ++answered;
    std::snprintf(text, sizeof(text), "row%d col%d", info->item.iItem, info->item.iSubItem);
    info->item.mask = LVIF_TEXT;
    info->item.pszText = text;
    *result = 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ReflectingList, CListCtrl)
  ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
END_MESSAGE_MAP()

class ReflectingCombo : public CComboBoxEx {
 public:
  int editChanges = 0;
  void OnEditChange() { ++editChanges; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ReflectingCombo, CComboBoxEx)
  ON_CONTROL_REFLECT(CBN_EDITCHANGE, OnEditChange)
END_MESSAGE_MAP()

class HostDialog : public CDialog {
 public:
  ReflectingList list;
  ReflectingCombo combo;
  bool handleSetInInit = false;
  int dialogDispInfo = 0;
  int dialogDoubleClicks = 0;
  int dialogEditChanges = 0;
  int dialogEditUpdates = 0;
  int commands = 0;
  bool OnInitDialog() override {
    handleSetInInit = m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this;
    list.SubclassDlgItem(kListId, this);
    combo.SubclassDlgItem(kComboId, this);
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 80);
    list.InsertColumn(1, "Path", LVCFMT_LEFT, 80);
    list.SetItemCountEx(3);
    return true;
  }
  void OnDialogDispInfo(NMHDR*, LRESULT* result) { ++dialogDispInfo; *result = 0; }
  void OnDialogDoubleClick(NMHDR*, LRESULT* result) { ++dialogDoubleClicks; *result = 7; }
  void OnDialogEditChange() { ++dialogEditChanges; }
  void OnDialogEditUpdate() { ++dialogEditUpdates; }
  void OnApply() { ++commands; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(HostDialog, CDialog)
  ON_NOTIFY(LVN_GETDISPINFOA, kListId, OnDialogDispInfo)
  ON_NOTIFY(NM_DBLCLK, kListId, OnDialogDoubleClick)
  ON_CONTROL(CBN_EDITCHANGE, kComboId, OnDialogEditChange)
  ON_CONTROL(CBN_EDITUPDATE, kComboId, OnDialogEditUpdate)
  ON_COMMAND(1100, OnApply)
END_MESSAGE_MAP()

CDialogTemplate HostTemplate() {
  CDialogTemplate t("Host", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 220, 140);
  t.AddItem("SysListView32", "", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDATA,
            5, 5, 210, 80, kListId);
  t.AddItem("ComboBox", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 5, 90,
            100, 60, kComboId);
  t.AddItem(0x0080, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 110, 90, 50, 14, IDOK);
  t.AddItem(0x0080, "Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 165, 90, 50, 14, IDCANCEL);
  return t;
}

TEST(Reflection, ListAnswersItsDisplayRequestsAndTheDialogNeverSeesThem) {
  CDialogTemplate t = HostTemplate();
  EXPECT_EQ(4, t.GetItemCount());
  HostDialog dialog;
  ASSERT_TRUE(dialog.CreateIndirect(t.Get(), nullptr));
  EXPECT_TRUE(dialog.handleSetInInit);
  EXPECT_EQ(3, dialog.list.GetItemCount());
  EXPECT_STREQ("row2 col1", dialog.list.GetItemText(2, 1));
  EXPECT_STREQ("row0 col0", dialog.list.GetItemText(0, 0));
  EXPECT_GE(dialog.list.answered, 2);
  // Painting asks too; still only the list answers.
  dialog.ShowWindow(SW_SHOW);
  dialog.UpdateWindow();
  EXPECT_EQ(0, dialog.dialogDispInfo);
  EXPECT_TRUE(dialog.DestroyWindow());
  EXPECT_EQ(nullptr, dialog.list.m_hWnd);   // the controls went with their dialog
}

TEST(Reflection, NotificationTheChildDoesNotHandleReachesTheDialog) {
  CDialogTemplate t = HostTemplate();
  HostDialog dialog;
  ASSERT_TRUE(dialog.CreateIndirect(t.Get(), nullptr));
  NMHDR header = {dialog.list.m_hWnd, kListId, static_cast<UINT>(NM_DBLCLK)};
  EXPECT_EQ(7, dialog.SendMessage(WM_NOTIFY, kListId, reinterpret_cast<LPARAM>(&header)));
  EXPECT_EQ(1, dialog.dialogDoubleClicks);
  EXPECT_EQ(7, ::GetWindowLongPtrA(dialog.m_hWnd, DWLP_MSGRESULT));

  // WM_COMMAND: the combo's reflected entry takes CBN_EDITCHANGE, the dialog
  // gets CBN_EDITUPDATE, which the combo does not handle.
  HWND combo = dialog.combo.m_hWnd;
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(kComboId, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(kComboId, CBN_EDITUPDATE), reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(1, dialog.combo.editChanges);
  EXPECT_EQ(0, dialog.dialogEditChanges);
  EXPECT_EQ(1, dialog.dialogEditUpdates);

  // ON_COMMAND takes a menu command and a button click, not another control code.
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(1100, 0), 0);
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(1100, BN_CLICKED), reinterpret_cast<LPARAM>(combo));
  dialog.SendMessage(WM_COMMAND, MAKEWPARAM(1100, 1), reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(2, dialog.commands);
}

// Ends itself from a timer, so the test sees the modal state from inside.
class TimedDialog : public CDialog {
 public:
  HWND owner = nullptr;
  bool ownerEnabledDuringRun = true;
  int endWith = 0;        // 0: press Escape instead
  bool OnInitDialog() override {
    ::SetTimer(m_hWnd, 1, 20, nullptr);
    return true;
  }
  LRESULT OnTimer(WPARAM, LPARAM) {
    ::KillTimer(m_hWnd, 1);
    ownerEnabledDuringRun = ::IsWindowEnabled(owner) != FALSE;
    if (endWith != 0) {
      EndDialog(endWith);
    } else {
      // Only the modal loop's pre-translation (IsDialogMessage) turns Escape into IDCANCEL.
      ::PostMessageA(GetDlgItem(IDOK), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    }
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TimedDialog, CDialog)
  ON_MESSAGE(WM_TIMER, OnTimer)
END_MESSAGE_MAP()

TEST(ModalDialog, DisablesItsOwnerAndReturnsTheEndCode) {
  CWnd owner;
  RECT rect = {0, 0, 300, 200};
  ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect,
                             static_cast<HWND>(nullptr), 0));
  CDialogTemplate t = HostTemplate();
  TimedDialog dialog;
  dialog.owner = owner.m_hWnd;
  dialog.endWith = 42;
  EXPECT_EQ(42, dialog.DoModalIndirect(t.Get(), &owner));
  EXPECT_FALSE(dialog.ownerEnabledDuringRun);
  EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
  EXPECT_EQ(nullptr, dialog.m_hWnd);

  TimedDialog escaped;
  escaped.owner = owner.m_hWnd;
  EXPECT_EQ(IDCANCEL, escaped.DoModalIndirect(t.Get(), &owner));
  EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
}

class EndsAtOnce : public CDialog {
 public:
  bool OnInitDialog() override {
    EndDialog(5);
    return true;
  }
};

TEST(ModalDialog, EndedDuringInitReturnsWithoutRunningTheLoop) {
  CDialogTemplate t = HostTemplate();
  EndsAtOnce dialog;
  EXPECT_EQ(5, dialog.DoModalIndirect(t.Get(), nullptr));
  EXPECT_EQ(nullptr, dialog.m_hWnd);
}

}  // namespace
