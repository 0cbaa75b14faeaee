// Both dialogs from the module's init entry to its close entry, modeless and
// modal, with the host's filtering, reloading and choosing in between.
#include <gtest/gtest.h>
#include <memory>
#include "host/tagstore/TagSet.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

void Type(HWND edit, const char* text) {
  for (const char* p = text; *p; ++p) PostMessageA(edit, WM_CHAR, static_cast<WPARAM>(*p), 1);
  Pump();
}

void SelectRow(HWND list, int row) {
  LVITEMA state = {};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

// One filter notification for each letter typed.
const Expected kThreeNotifications[] = {
    {"picker", WM_NOTIFY, "WM_NOTIFY", "NM_CHAR from 1021", Delivery::Sent},
    {"picker", WM_NOTIFY, "WM_NOTIFY", "NM_CHAR from 1021", Delivery::Sent},
    {"picker", WM_NOTIFY, "WM_NOTIFY", "NM_CHAR from 1021", Delivery::Sent},
};

TEST(FilePickerEndToEnd, FilterChooseAndClose) {
  FileCatalog files;
  files.Add("main", "cpp", "C:\\app\\main.cpp");
  files.Add("Window", "h", "C:\\app\\Window.h");
  files.Add("window", "cpp", "C:\\app\\window.cpp");
  FileEntry* chosen = nullptr;
  TestFilePicker dialog(0x30001, 400);
  dialog.SetFiles(&files);
  dialog.onChosen = [&](FileEntry* file) { chosen = file; };
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_TRUE(dialog.moduleOpen());
  ASSERT_NE(dialog.moduleCombo(), nullptr);
  ASSERT_NE(dialog.moduleList(), nullptr);
  EXPECT_EQ(dialog.moduleCombo()->m_hWnd, dialog.combo());
  EXPECT_EQ(dialog.moduleList()->m_hWnd, dialog.list());

  TheRecord().Clear();
  DialogWatch watch(dialog.m_hWnd, "picker", dialog.list());
  Type(dialog.edit(), "WIN");   // case-insensitive
  HWND list = dialog.list();
  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(ListText(list, 0, 0), "Window.h");
  EXPECT_EQ(ListText(list, 1, 0), "window.cpp");
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kThreeNotifications));

  Table()->addFileHistory(CString("WIN"));
  PostAndPump(dialog.edit(), WM_KEYDOWN, VK_DOWN);   // selects the first row
  PostAndPump(dialog.edit(), WM_KEYDOWN, VK_DOWN);
  EXPECT_EQ(dialog.SelectedFile(), files.At(2));
  SendMessageA(dialog.m_hWnd, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(chosen, files.At(2));
  EXPECT_FALSE(dialog.moduleOpen());
  EXPECT_FALSE(dialog.IsWindow());
  EXPECT_EQ(ProfileInt(SectionFor(0x30001), "Sub1"), 132);

  TestFilePicker again(0x30001);
  ASSERT_TRUE(again.CreateModeless(nullptr));
  EXPECT_EQ(ComboItems(again.combo()).at(0), "WIN");
}

// Ends a modal dialog from inside its own loop, as a user would.
std::string g_modalTitle;
VOID CALLBACK PressOk(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindWindowA(nullptr, g_modalTitle.c_str());
  if (!dialog) return;
  KillTimer(nullptr, timer);
  HWND list = GetDlgItem(dialog, TagBrowserDialog::kListId);
  if (!list) list = GetDlgItem(dialog, FilePickerDialog::kListId);
  SelectRow(list, 0);
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST(FilePickerEndToEnd, RunsModal) {
  FileCatalog files;
  files.Add("only", "txt", "C:\\only.txt");
  FileEntry* chosen = nullptr;
  FilePickerDialog dialog(Table(), 0x30002);
  dialog.SetFiles(&files);
  dialog.onChosen = [&](FileEntry* file) { chosen = file; };
  g_modalTitle = "Open File";
  SetTimer(nullptr, 0, 50, PressOk);
  EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
  EXPECT_EQ(chosen, files.At(0));
  EXPECT_FALSE(dialog.moduleOpen());
  EXPECT_NE(ProfileInt(SectionFor(0x30002), "Sub1"), -12345);   // the close entry ran
}

class TagBrowserEndToEnd : public ::testing::Test {
 protected:
  // A function of C:\view.cpp in the class `parent`; the tags made so far move.
  void Add(const char* parent, const char* name) {
    m_set.AddLines({TagLine(name, "view.cpp", "/^void f()$/", "function", std::string("class:") + parent)}, "C:\\");
  }
  const std::vector<TagEntry*>& All() const { return m_set.tags(); }

  TagSet m_set;
};

TEST_F(TagBrowserEndToEnd, TwoFiltersReloadChooseAndClose) {
  Add("View", "Draw");
  Add("View", "Paint");
  Add("Doc", "Draw");
  TestTagBrowser dialog(0x30003, 500);
  dialog.SetTags(All());
  TagEntry* chosen = nullptr;
  dialog.onChosen = [&](TagEntry* tag) { chosen = tag; };
  dialog.onReload = [&] {
    Add("View", "Redraw");
    dialog.SetTags(All());
  };
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND list = dialog.list();
  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);

  Type(FindWindowExA(dialog.parentCombo(), nullptr, WC_EDITA, nullptr), "vi");
  Type(FindWindowExA(dialog.tagCombo(), nullptr, WC_EDITA, nullptr), "draw");
  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(ListText(list, 0, 2), "View");
  EXPECT_EQ(ListText(list, 0, 3), "Draw");
  EXPECT_EQ(ListText(list, 0, 0), "Function");
  EXPECT_EQ(ListText(list, 0, 4), "view.cpp");
  EXPECT_EQ(ListText(list, 0, 5), "void f()");

  PostAndPump(FindWindowExA(dialog.tagCombo(), nullptr, WC_EDITA, nullptr), WM_KEYDOWN, VK_F5);
  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(ListText(list, 1, 3), "Redraw");

  SelectRow(list, 1);
  NMITEMACTIVATE click = {};
  click.hdr.hwndFrom = list;
  click.hdr.idFrom = TagBrowserDialog::kListId;
  click.hdr.code = NM_DBLCLK;
  click.iItem = 1;
  SendMessageA(dialog.m_hWnd, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ(chosen, All()[3]);
  EXPECT_FALSE(dialog.moduleOpen());
  EXPECT_FALSE(dialog.IsWindow());
}

// The browser shows the caller's array, not a copy of it: tags read again
// into the same array on F5, with no SetTags, are the ones it shows and
// hands out (a copy would hand out the tags that were let go).
TEST_F(TagBrowserEndToEnd, F5ShowsTheTagsReadAgainIntoTheSameArray) {
  Add("View", "Draw");
  TestTagBrowser dialog(0x30005, 500);
  dialog.SetTags(All());
  dialog.onReload = [&] {
    m_set.Clear();
    Add("Doc", "Print");
    Add("Doc", "Preview");
  };
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND list = dialog.list();
  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 1);
  PostAndPump(FindWindowExA(dialog.tagCombo(), nullptr, WC_EDITA, nullptr), WM_KEYDOWN, VK_F5);
  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(ListText(list, 0, 3), "Print");
  EXPECT_EQ(dialog.VisibleTag(1), All()[1]);
  Type(FindWindowExA(dialog.tagCombo(), nullptr, WC_EDITA, nullptr), "view");
  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(dialog.VisibleTag(0), All()[1]);
  dialog.DestroyWindow();
}

TEST_F(TagBrowserEndToEnd, RunsModal) {
  Add("P", "t");
  TagBrowserDialog dialog(Table(), 0x30004);
  dialog.SetTags(All());
  TagEntry* chosen = nullptr;
  dialog.onChosen = [&](TagEntry* tag) { chosen = tag; };
  g_modalTitle = "Browse Tags";
  SetTimer(nullptr, 0, 50, PressOk);
  EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
  EXPECT_EQ(chosen, All()[0]);
  EXPECT_EQ(dialog.SelectedTag(), nullptr);   // the window is gone
  EXPECT_NE(ProfileInt(SectionFor(0x30004), "Sub5"), -12345);
}

}  // namespace
