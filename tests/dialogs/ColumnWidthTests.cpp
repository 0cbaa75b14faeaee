// Column widths: defaults from the list view's visible width, stored widths
// per dialog ID, replacements for widths of zero or less, writing at close.
#include <climits>
#include <gtest/gtest.h>
#include "tests/dialogs/DialogTestSupport.h"

namespace {

std::vector<int> ColumnWidths(HWND list, int count) {
  std::vector<int> widths;
  for (int c = 0; c < count; ++c)
    widths.push_back(static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0)));
  return widths;
}

void Store(DWORD dialogId, const char* key, int value) {
  AfxGetApp()->WriteProfileInt(SectionFor(dialogId), key, value);
}

std::vector<int> FileWidthsAt(DWORD dialogId, int visibleWidth) {
  TestFilePicker dialog(dialogId, visibleWidth);
  EXPECT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(ClientWidth(dialog.list()), visibleWidth + GetSystemMetrics(SM_CXVSCROLL));
  return ColumnWidths(dialog.list(), 2);
}

std::vector<int> TagWidthsAt(DWORD dialogId, int visibleWidth) {
  TestTagBrowser dialog(dialogId, visibleWidth);
  EXPECT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(ClientWidth(dialog.list()), visibleWidth + GetSystemMetrics(SM_CXVSCROLL));
  return ColumnWidths(dialog.list(), 6);
}

TEST(FileColumns, DefaultsShareTheVisibleWidth) {
  EXPECT_EQ(FileWidthsAt(0x10001, 450), (std::vector<int>{148, 301}));
  EXPECT_EQ(FileWidthsAt(0x10002, 300), (std::vector<int>{99, 201}));
}

TEST(FileColumns, StoredWidthsAreUsedAndZeroFallsBackToTheDefault) {
  Store(0x10003, "Sub1", 0);
  Store(0x10003, "Sub2", 123);
  EXPECT_EQ(FileWidthsAt(0x10003, 450), (std::vector<int>{148, 123}));
  Store(0x10003, "Sub1", 77);
  Store(0x10003, "Sub2", -4);
  EXPECT_EQ(FileWidthsAt(0x10003, 450), (std::vector<int>{77, 301}));
}

TEST(FileColumns, CloseWritesTheWidthsLeftPerDialogId) {
  {
    TestFilePicker first(0xABCDEF, 450);
    TestFilePicker second(0x10004, 450);
    ASSERT_TRUE(first.CreateModeless(nullptr));
    SendMessageA(first.list(), LVM_SETCOLUMNWIDTH, 0, 61);
    SendMessageA(first.list(), LVM_SETCOLUMNWIDTH, 1, 62);
    first.DestroyWindow();
    ASSERT_TRUE(second.CreateModeless(nullptr));
    SendMessageA(second.list(), LVM_SETCOLUMNWIDTH, 1, 0);   // dragged shut
  }
  EXPECT_EQ(ProfileInt("WindowPositions\\ID=0x00abcdef", "Sub1"), 61);
  EXPECT_EQ(ProfileInt("WindowPositions\\ID=0x00abcdef", "Sub2"), 62);
  EXPECT_EQ(ProfileInt(SectionFor(0x10004), "Sub1"), 148);
  EXPECT_EQ(ProfileInt(SectionFor(0x10004), "Sub2"), 0);
  EXPECT_EQ(FileWidthsAt(0xABCDEF, 300), (std::vector<int>{61, 62}));
  EXPECT_EQ(FileWidthsAt(0x10004, 300), (std::vector<int>{148, 201}));
}

TEST(FileColumns, GridLinesAndFullRowSelectJoinTheHostsExtendedStyle) {
  TestFilePicker dialog(0x10005);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  DWORD style = static_cast<DWORD>(SendMessageA(dialog.list(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_EQ(style, dialog.extendedStyleBeforeInit | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  EXPECT_TRUE(dialog.extendedStyleBeforeInit & LVS_EX_HEADERDRAGDROP);
}

TEST(TagColumns, DefaultsFromTheVisibleWidth) {
  EXPECT_EQ(TagWidthsAt(0x20001, 450), (std::vector<int>{50, 100, 100, 200, 100, 400}));
  EXPECT_EQ(TagWidthsAt(0x20002, 467), (std::vector<int>{50, 104, 104, 208, 100, 400}));
}

TEST(TagColumns, ReplacementsForWidthsOfZeroOrLess) {
  Store(0x20003, "Sub1", 0);
  EXPECT_EQ(TagWidthsAt(0x20003, 450), (std::vector<int>{50, 112, 112, 225, 100, 400}));

  Store(0x20004, "Sub1", 80);
  Store(0x20004, "Sub3", 0);
  EXPECT_EQ(TagWidthsAt(0x20004, 480)[3], 200);

  // The lowest storable "Sub1": its difference from W is taken exactly.
  Store(0x20007, "Sub1", INT_MIN);
  EXPECT_EQ(TagWidthsAt(0x20007, 450), (std::vector<int>{50, 536871024, 536871024, 1073742049, 100, 400}));

  Store(0x20005, "Sub4", -5);
  Store(0x20005, "Sub1_5", -1);
  Store(0x20005, "Sub5", 0);
  EXPECT_EQ(TagWidthsAt(0x20005, 450), (std::vector<int>{50, 100, 100, 200, 100, 400}));
}

TEST(TagColumns, CloseWritesAllSixWidths) {
  {
    TestTagBrowser dialog(0x20006, 450);
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    for (int c = 0; c < 6; ++c) SendMessageA(dialog.list(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(c), 31 + c);
  }
  const char* keys[] = {"Sub1", "Sub1_5", "Sub2", "Sub3", "Sub4", "Sub5"};
  for (int c = 0; c < 6; ++c) EXPECT_EQ(ProfileInt(SectionFor(0x20006), keys[c]), 31 + c) << keys[c];
  EXPECT_EQ(TagWidthsAt(0x20006, 300), (std::vector<int>{31, 32, 33, 34, 35, 36}));
}

}  // namespace
