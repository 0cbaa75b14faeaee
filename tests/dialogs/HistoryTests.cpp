// The add-to-history entries on the open dialogs' combo boxes, and the
// histories moving into the combo boxes at init and back at close.
#include <gtest/gtest.h>
#include "tests/dialogs/DialogTestSupport.h"

namespace {

using Items = std::vector<std::string>;

Items Numbered(const char* prefix, int count) {
  Items items;
  for (int i = 0; i < count; ++i) items.push_back(prefix + std::to_string(i));
  return items;
}

class FileHistory : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_dialog.CreateModeless(nullptr)); }
  HWND combo() const { return m_dialog.combo(); }

  TestFilePicker m_dialog{0x500};
};

TEST_F(FileHistory, EmptyTextChangesNothingNotEvenTheLength) {
  SetComboItems(combo(), Numbered("f", 300));
  Table()->addFileHistory(CString(""));
  EXPECT_EQ(ComboItems(combo()).size(), 300u);
}

TEST_F(FileHistory, OnlyATextDifferentFromTheTopItemIsInserted) {
  SetComboItems(combo(), {"main", "util"});
  Table()->addFileHistory(CString("main"));
  EXPECT_EQ(ComboItems(combo()), (Items{"main", "util"}));
  Table()->addFileHistory(CString("Main"));   // letter case counts
  EXPECT_EQ(ComboItems(combo()), (Items{"Main", "main", "util"}));
  Table()->addFileHistory(CString("util"));   // further down: added again on top
  EXPECT_EQ(ComboItems(combo()), (Items{"util", "Main", "main", "util"}));
}

TEST_F(FileHistory, TheListKeeps256Items) {
  SetComboItems(combo(), Numbered("f", 256));
  Table()->addFileHistory(CString("new"));
  Items items = ComboItems(combo());
  ASSERT_EQ(items.size(), 256u);
  EXPECT_EQ(items.front(), "new");
  EXPECT_EQ(items.back(), "f254");   // the former last item is gone
}

TEST_F(FileHistory, ALongLoadedHistoryIsCutByTheNextAddEvenWithoutInsert) {
  // 300 entries reach the history through a close, and the combo box
  // through the next init.
  SetComboItems(combo(), Numbered("f", 300));
  m_dialog.DestroyWindow();
  TestFilePicker again(0x500);
  ASSERT_TRUE(again.CreateModeless(nullptr));
  ASSERT_EQ(ComboItems(again.combo()).size(), 300u);
  Table()->addFileHistory(CString("f0"));
  Items items = ComboItems(again.combo());
  ASSERT_EQ(items.size(), 256u);
  EXPECT_EQ(items.front(), "f0");
  EXPECT_EQ(items.back(), "f255");
}

TEST(HistoryWithoutDialog, AddsAndClosesWithNothingOpenAreHarmless) {
  // The file picker's history, as the last close left it.
  std::vector<std::string> before;
  {
    TestFilePicker dialog(0x501);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    SetComboItems(dialog.combo(), {"kept"});
  }
  AfxGetApp()->WriteProfileInt(SectionFor(0x501), "Sub1", 777);
  Table()->addFileHistory(CString("lost"));
  Table()->addTagHistory(CString("lost"));
  Table()->addTagParentHistory(CString("lost"));
  EXPECT_TRUE(Table()->closeFileDialog());
  EXPECT_TRUE(Table()->closeTagDialog());
  EXPECT_EQ(ProfileInt(SectionFor(0x501), "Sub1"), 777);   // no widths written

  TestFilePicker dialog(0x501);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(ComboItems(dialog.combo()), (Items{"kept"}));
}

TEST(TagHistory, EachEntryAddsToItsOwnComboBox) {
  TestTagBrowser dialog(0x502);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  SetComboItems(dialog.parentCombo(), {});
  SetComboItems(dialog.tagCombo(), {});
  Table()->addTagHistory(CString("name"));
  Table()->addTagParentHistory(CString("Parent"));
  EXPECT_EQ(ComboItems(dialog.tagCombo()), (Items{"name"}));
  EXPECT_EQ(ComboItems(dialog.parentCombo()), (Items{"Parent"}));
}

TEST(Histories, GoIntoTheirOwnComboBoxesAndComeBackAtClose) {
  {
    TestTagBrowser dialog(0x503);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    TestFilePicker picker(0x504);   // both dialogs open at once
    ASSERT_TRUE(picker.CreateModeless(nullptr));
    SetComboItems(dialog.parentCombo(), {"p1", "p2"});
    SetComboItems(dialog.tagCombo(), {"t1", "t2", "t3"});
    SetComboItems(picker.combo(), {"f1"});
    Table()->addTagParentHistory(CString("p0"));
  }
  TestTagBrowser dialog(0x503);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  TestFilePicker picker(0x504);
  ASSERT_TRUE(picker.CreateModeless(nullptr));
  EXPECT_EQ(ComboItems(dialog.parentCombo()), (Items{"p0", "p1", "p2"}));
  EXPECT_EQ(ComboItems(dialog.tagCombo()), (Items{"t1", "t2", "t3"}));
  EXPECT_EQ(ComboItems(picker.combo()), (Items{"f1"}));

  // An empty combo box list empties its history.
  SetComboItems(picker.combo(), {});
  picker.DestroyWindow();
  TestFilePicker empty(0x504);
  ASSERT_TRUE(empty.CreateModeless(nullptr));
  EXPECT_TRUE(ComboItems(empty.combo()).empty());
}

TEST(Histories, AComboBoxWindowAlreadyGoneKeepsItsHistory) {
  {
    TestTagBrowser dialog(0x505);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    SetComboItems(dialog.parentCombo(), {"a"});
    SetComboItems(dialog.tagCombo(), {"b"});
  }
  {
    TestTagBrowser dialog(0x505);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    SetComboItems(dialog.tagCombo(), {"c"});
    DestroyWindow(dialog.parentCombo());
    Table()->addTagParentHistory(CString("into a dead window"));
  }
  TestTagBrowser dialog(0x505);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(ComboItems(dialog.parentCombo()), (Items{"a"}));
  EXPECT_EQ(ComboItems(dialog.tagCombo()), (Items{"c"}));
}

}  // namespace
