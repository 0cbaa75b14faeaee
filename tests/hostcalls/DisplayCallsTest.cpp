// The list views' text requests reach the host's file collection, files and
// tags as C++ member calls, between the dialogs' init and close entries.
#include "tests/hostcalls/ModuleUnderTest.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(FileListCalls, CollectionAndFilesAreCalledAsMembers) {
  StubFile makefile("Makefile", "", "C:\\src\\Makefile");
  StubFile util("util", "h", "C:\\src\\lib\\util.h");
  StubFileCollection collection;
  collection.files = {&makefile, &util};
  std::vector<DWORD> index = {1, 0};   // row 0 shows position 1
  StubFileCollection* collectionLocation = &collection;
  DWORD* indexLocation = index.data();
  ItemDialog dialog(ItemDialog::FilePicker);
  CWnd* combo = nullptr;
  CWnd* list = nullptr;
  HostCalls().clear();

  EXPECT_EQ(Bool(CallEntry(Table()->initFileDialog, {Word<CWnd>(&dialog), 0x4801, Word(&combo), Word(&list),
                                                      Word(&collectionLocation), Word(&indexLocation)})), 1);
  HWND view = dialog.Item(1020);
  SendMessageA(view, LVM_SETITEMCOUNT, 2, 0);
  EXPECT_EQ(CellText(view, 0, 0), "util.h");
  EXPECT_EQ(CellText(view, 0, 1), "C:\\src\\lib\\util.h");
  EXPECT_EQ(CellText(view, 1, 0), "Makefile");
  EXPECT_EQ(CellText(view, 1, 1), "C:\\src\\Makefile");
  EXPECT_EQ(Bool(CallEntry(Table()->closeFileDialog, {})), 1);

  const std::vector<std::string> expected = {
      "collection.1(1)", "util.6()", "util.7()",
      "collection.1(1)", "util.8()",
      "collection.1(0)", "Makefile.6()", "Makefile.7()",
      "collection.1(0)", "Makefile.8()",
  };
  EXPECT_EQ(DescribeCalls(), expected);
  EXPECT_EQ(UnsteadyCallSites(), std::vector<std::string>());
}

TEST(TagListCalls, TagsAndTheirFilesAreCalledAsMembers) {
  StubFile widget("widget", "cpp", "C:\\src");
  StubTag alpha("Alpha");
  alpha.typeCode = 6;
  alpha.nameSpace = "ui";
  alpha.parentName = "Widget";
  alpha.file = &widget;
  StubTag beta("Beta");   // no namespace of its own: its parent's
  beta.typeCode = 7;
  beta.parent = &alpha;
  beta.parentName = "Alpha";
  beta.searchString = "^\tint beta;$";
  beta.file = &widget;
  std::vector<StubTag*> tags = {&alpha, &beta};
  StubTag** tagArray = tags.data();
  ItemDialog dialog(ItemDialog::TagBrowser);
  CWnd* parentCombo = nullptr;
  CWnd* tagCombo = nullptr;
  CWnd* list = nullptr;
  HostCalls().clear();

  EXPECT_EQ(Bool(CallEntry(Table()->initTagDialog, {Word<CWnd>(&dialog), 0x4802, Word(&parentCombo),
                                                     Word(&tagCombo), Word(&list), Word(&tagArray)})), 1);
  HWND view = dialog.Item(1050);
  SendMessageA(view, LVM_SETITEMCOUNT, 2, 0);
  const std::vector<std::string> cells = {CellText(view, 1, 0), CellText(view, 1, 1), CellText(view, 1, 2),
                                          CellText(view, 1, 3), CellText(view, 1, 4), CellText(view, 1, 5),
                                          CellText(view, 0, 1)};
  EXPECT_EQ(Bool(CallEntry(Table()->closeTagDialog, {})), 1);

  EXPECT_EQ(cells, std::vector<std::string>({"MemVar", "ui", "Alpha", "Beta", "widget.cpp", " int beta;", "ui"}));
  const std::vector<std::string> expected = {
      "Beta.0()",                                  // Type
      "Beta.11()", "Beta.12()", "Alpha.11()",      // Namespace, from the parent tag
      "Beta.6()",                                  // Parent
      "Beta.2()",                                  // Tag
      "Beta.14()", "widget.6()", "widget.7()",     // Filename
      "Beta.4()",                                  // Line
      "Alpha.11()",                                // row 0's own namespace
  };
  EXPECT_EQ(DescribeCalls(), expected);
  EXPECT_EQ(UnsteadyCallSites(), std::vector<std::string>());
}

}  // namespace
