// Keys typed into the filters' edit fields while the host's loop runs, and the
// filter notifications that typing and choosing send to the dialog, in the
// one sequence the dialog watch records.
#include <gtest/gtest.h>
#include <cstdio>
#include <memory>
#include "host/tagstore/TagSet.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

int SelectedItem(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}
int FocusedItem(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}
UINT ItemState(HWND list, int item) {
  return static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item),
                                        LVIS_SELECTED | LVIS_FOCUSED));
}
void Select(HWND list, int item) {
  LVITEMA state = {};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
}
DWORD Caret(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return end;
}
void SetEditText(HWND edit, const char* text) {
  SetWindowTextA(edit, text);
  SendMessageA(edit, EM_SETSEL, 2, 2);
  Pump();
}

// Every message the module sends here is sent, not posted.
const Expected kArrowsAndPages[] = {
    {"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_DOWN", Delivery::Sent},
    {"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_UP", Delivery::Sent},
    {"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_UP", Delivery::Sent},
    {"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_NEXT", Delivery::Sent},
    {"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_PRIOR", Delivery::Sent},
};

// Forwarded to the list, then typed: the edit field's change makes the notification.
const Expected kLetterForwardedAndTyped[] = {
    {"list", WM_KEYDOWN, "WM_KEYDOWN", "'L'", Delivery::Sent},
    {"picker", WM_NOTIFY, "WM_NOTIFY", "NM_CHAR from 1021", Delivery::Sent},
};

// An ordinary key for the file kind: forwarded, no reload request.
const Expected kF5Forwarded[] = {
    {"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_F5", Delivery::Sent},
};

// One notification for typing, one for choosing; the dialog's own handlers
// for the combo box never run.
const Expected kOneNotification[] = {
    {"picker", WM_NOTIFY, "WM_NOTIFY", "NM_CHAR from 1021", Delivery::Sent},
};

// The tag kind hands Ctrl+End and Ctrl+Home to the list view as plain keys.
const Expected kCtrlEndThenHome[] = {
    {"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_END", Delivery::Sent},
    {"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_HOME", Delivery::Sent},
};

const Expected kDownForwarded[] = {
    {"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_DOWN", Delivery::Sent},
};

// F5 in the tag filter asks the dialog to reload (the combo box's ID, 0),
// also with the drop-down showing, and goes no further; the dialog hands
// each request to its reload callback.
const Expected kOneReload[] = {
    {"browser", kF5Request, "WM_USER+1", "1052, 0", Delivery::Sent},
    {"browser", kF5Request, "onReload", "", Delivery::Handled},
};
const Expected kTwoReloads[] = {
    {"browser", kF5Request, "WM_USER+1", "1052, 0", Delivery::Sent},
    {"browser", kF5Request, "onReload", "", Delivery::Handled},
    {"browser", kF5Request, "WM_USER+1", "1052, 0", Delivery::Sent},
    {"browser", kF5Request, "onReload", "", Delivery::Handled},
};

class FilePickerKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    TheRecord().Clear();
    for (int i = 0; i < 60; ++i) {
      CString name;
      name.Format("file%02d", i);
      m_files.Add(name, "c", "C:\\" + name);
    }
    m_dialog.SetFiles(&m_files);
    ASSERT_TRUE(m_dialog.CreateModeless(nullptr));
    m_list = m_dialog.list();
    m_edit = m_dialog.edit();
    ASSERT_NE(m_edit, nullptr);
    // "fi" matches every file; the caret sits between the two letters.
    SetEditText(m_edit, "fi");
    ASSERT_EQ(SendMessageA(m_list, LVM_GETITEMCOUNT, 0, 0), 60);
    Select(m_list, 5);
    // No watch yet: anything here came from the dialog's own combo handlers.
    ASSERT_TRUE(NothingRecorded(TheRecord().Entries()));
    m_watch = std::make_unique<DialogWatch>(m_dialog.m_hWnd, "picker", m_list);
  }
  void TearDown() override { SendMessageA(m_dialog.combo(), CB_SHOWDROPDOWN, FALSE, 0); }

  FileCatalog m_files;
  TestFilePicker m_dialog{0x300};
  HWND m_list = nullptr;
  HWND m_edit = nullptr;
  std::unique_ptr<DialogWatch> m_watch;
};

TEST_F(FilePickerKeys, ArrowsAndPagesMoveTheListAndLeaveTheEditField) {
  PostAndPump(m_edit, WM_KEYDOWN, VK_DOWN);
  EXPECT_EQ(SelectedItem(m_list), 6);
  PostAndPump(m_edit, WM_KEYDOWN, VK_UP);
  PostAndPump(m_edit, WM_KEYDOWN, VK_UP);
  EXPECT_EQ(SelectedItem(m_list), 4);
  PostAndPump(m_edit, WM_KEYDOWN, VK_NEXT);
  EXPECT_GT(SelectedItem(m_list), 4);
  PostAndPump(m_edit, WM_KEYDOWN, VK_PRIOR);
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kArrowsAndPages));   // and no filter notification
  EXPECT_EQ(WindowText(m_edit), "fi");
  EXPECT_EQ(Caret(m_edit), 2u);
}

TEST_F(FilePickerKeys, LeftRightAndPlainHomeEndStayInTheEditField) {
  PostAndPump(m_edit, WM_KEYDOWN, VK_LEFT);
  EXPECT_EQ(Caret(m_edit), 1u);
  PostAndPump(m_edit, WM_KEYDOWN, VK_RIGHT);
  EXPECT_EQ(Caret(m_edit), 2u);
  PostAndPump(m_edit, WM_KEYDOWN, VK_HOME);
  EXPECT_EQ(Caret(m_edit), 0u);
  PostAndPump(m_edit, WM_KEYDOWN, VK_END);
  EXPECT_EQ(Caret(m_edit), 2u);
  EXPECT_TRUE(NothingRecorded(TheRecord().Entries()));
  EXPECT_EQ(SelectedItem(m_list), 5);
}

TEST_F(FilePickerKeys, CtrlHomeAndEndSelectTheFirstAndLastFile) {
  Select(m_list, 9);   // two selected: 5 and 9
  CtrlHeld ctrl;
  ASSERT_TRUE(ctrl.seen()) << "GetAsyncKeyState does not see the injected Ctrl";
  TheRecord().Clear();
  ASSERT_TRUE(PostAndPumpWithCtrl(m_edit, VK_HOME));
  EXPECT_EQ(ItemState(m_list, 0), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
  EXPECT_EQ(ItemState(m_list, 5), 0u);                       // the first selected one is cleared
  EXPECT_EQ(ItemState(m_list, 9), static_cast<UINT>(LVIS_SELECTED));   // later ones stay
  EXPECT_EQ(Caret(m_edit), 2u);                              // the edit field never saw it

  ASSERT_TRUE(PostAndPumpWithCtrl(m_edit, VK_END));
  EXPECT_EQ(ItemState(m_list, 59), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
  EXPECT_EQ(ItemState(m_list, 0), 0u);
  int top = static_cast<int>(SendMessageA(m_list, LVM_GETTOPINDEX, 0, 0));
  int perPage = static_cast<int>(SendMessageA(m_list, LVM_GETCOUNTPERPAGE, 0, 0));
  EXPECT_LE(top, 59);
  EXPECT_GE(top + perPage - 1, 59);                          // fully visible
  EXPECT_EQ(Caret(m_edit), 2u);
  EXPECT_EQ(WindowText(m_edit), "fi");
  // The jump is the combo box's own: no Home or End reached the list view.
  EXPECT_TRUE(NothingRecorded(TheRecord().Entries()));
}

TEST_F(FilePickerKeys, CtrlEndWithAnEmptyListChangesNothing) {
  SetEditText(m_edit, "nothing matches");
  PostAndPump(m_edit, WM_CHAR, 'z');
  ASSERT_EQ(SendMessageA(m_list, LVM_GETITEMCOUNT, 0, 0), 0);
  CtrlHeld ctrl;
  ASSERT_TRUE(ctrl.seen());
  ASSERT_TRUE(PostAndPumpWithCtrl(m_edit, VK_END));
  ASSERT_TRUE(PostAndPumpWithCtrl(m_edit, VK_HOME));
  EXPECT_EQ(SelectedItem(m_list), -1);
  EXPECT_EQ(SendMessageA(m_list, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(FilePickerKeys, ALetterIsForwardedAndTyped) {
  SendMessageA(m_edit, EM_SETSEL, 2, 2);
  // The loop's translation makes the character from the key-down.
  PostAndPump(m_edit, WM_KEYDOWN, 'L');
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kLetterForwardedAndTyped));
  EXPECT_EQ(WindowText(m_edit), "fil");
}

TEST_F(FilePickerKeys, F5IsAnOrdinaryKeyForTheFileKind) {
  PostAndPump(m_edit, WM_KEYDOWN, VK_F5);
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kF5Forwarded));
}

TEST_F(FilePickerKeys, WithTheDropDownShowingKeysStayInTheComboBox) {
  SetComboItems(m_dialog.combo(), {"one", "two"});
  SendMessageA(m_dialog.combo(), CB_SHOWDROPDOWN, TRUE, 0);
  ASSERT_TRUE(SendMessageA(m_dialog.combo(), CB_GETDROPPEDSTATE, 0, 0));
  PostAndPump(m_edit, WM_KEYDOWN, VK_DOWN);
  EXPECT_TRUE(NothingRecorded(TheRecord().Entries()));
  EXPECT_EQ(SelectedItem(m_list), 5);
  {
    // Ctrl+Home still jumps in the file list.
    CtrlHeld ctrl;
    ASSERT_TRUE(ctrl.seen());
    ASSERT_TRUE(PostAndPumpWithCtrl(m_edit, VK_HOME));
  }
  EXPECT_EQ(ItemState(m_list, 0), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
  EXPECT_EQ(ItemState(m_list, 5), 0u);
}

TEST_F(FilePickerKeys, TypingAndChoosingEachSendOneFilterNotification) {
  PostAndPump(m_edit, WM_CHAR, 'l');
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kOneNotification));
  EXPECT_EQ(WindowText(m_edit), "fil");

  SetComboItems(m_dialog.combo(), {"file1", "file2"});
  TheRecord().Clear();
  SendMessageA(m_dialog.combo(), CB_SHOWDROPDOWN, TRUE, 0);
  // A click on the first item of the drop-down list.
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(m_dialog.combo(), &info));
  RECT item = {};
  SendMessageA(info.hwndList, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  PostMessageA(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostAndPump(info.hwndList, WM_LBUTTONUP, 0, at);
  EXPECT_FALSE(SendMessageA(m_dialog.combo(), CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kOneNotification));
  // The host filtered with the chosen text.
  EXPECT_EQ(WindowText(m_edit), "file1");
  EXPECT_EQ(SendMessageA(m_list, LVM_GETITEMCOUNT, 0, 0), 10);   // file10 to file19
}

// ---- the tag kind -----------------------------------------------------------------

class TagBrowserKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> lines;
    char name[16];
    for (int i = 0; i < 40; ++i) {
      snprintf(name, sizeof name, "tag%02d", i);
      lines.push_back(TagLine(name, "a.c", "1", "member", "struct:Parent"));
    }
    m_tags.AddLines(lines, "");
    m_dialog.SetTags(m_tags.tags());
    ASSERT_TRUE(m_dialog.CreateModeless(nullptr));
    m_list = m_dialog.list();
    Select(m_list, 5);
    m_watch = std::make_unique<DialogWatch>(m_dialog.m_hWnd, "browser", m_list);
  }
  void TearDown() override { SendMessageA(m_dialog.tagCombo(), CB_SHOWDROPDOWN, FALSE, 0); }

  TagSet m_tags;
  TestTagBrowser m_dialog{0x400};
  HWND m_list = nullptr;
  std::unique_ptr<DialogWatch> m_watch;
};

TEST_F(TagBrowserKeys, CtrlHomeAndEndGoToTheListViewAsPlainKeys) {
  for (HWND combo : {m_dialog.parentCombo(), m_dialog.tagCombo()}) {
    HWND edit = FindWindowExA(combo, nullptr, WC_EDITA, nullptr);
    SetEditText(edit, "ta");
    {
      CtrlHeld ctrl;
      ASSERT_TRUE(ctrl.seen());
      TheRecord().Clear();
      ASSERT_TRUE(PostAndPumpWithCtrl(edit, VK_END));
      EXPECT_EQ(FocusedItem(m_list), 39);
      ASSERT_TRUE(PostAndPumpWithCtrl(edit, VK_HOME));
      EXPECT_EQ(FocusedItem(m_list), 0);
    }
    EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kCtrlEndThenHome));
    EXPECT_EQ(Caret(edit), 2u);   // consumed: the caret did not move
    // Without Ctrl they stay in the edit field.
    TheRecord().Clear();
    PostAndPump(edit, WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(Caret(edit), 0u);
    EXPECT_TRUE(NothingRecorded(TheRecord().Entries()));
    PostAndPump(edit, WM_KEYDOWN, VK_DOWN);
    EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kDownForwarded));
  }
}

TEST_F(TagBrowserKeys, F5AsksTheDialogToReloadEvenWithTheDropDownShowing) {
  m_dialog.onReload = [] {
    TheRecord().Add(RecordEntry{"browser", static_cast<int>(kF5Request), "onReload", "", Delivery::Handled, ""});
  };
  HWND edit = FindWindowExA(m_dialog.tagCombo(), nullptr, WC_EDITA, nullptr);
  TheRecord().Clear();
  PostAndPump(edit, WM_KEYDOWN, VK_F5);
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kOneReload));   // and no key for the list

  SetComboItems(m_dialog.tagCombo(), {"x"});
  SendMessageA(m_dialog.tagCombo(), CB_SHOWDROPDOWN, TRUE, 0);
  PostAndPump(edit, WM_KEYDOWN, VK_F5);
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kTwoReloads));
  PostAndPump(edit, WM_KEYDOWN, VK_DOWN);
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kTwoReloads));   // Down stayed in the drop-down
}

}  // namespace
