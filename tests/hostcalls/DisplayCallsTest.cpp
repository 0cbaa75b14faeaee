// The list views' text requests reach the host's file collection, files and
// tags as C++ member calls, between the dialogs' init and close entries.
#include "tests/hostcalls/ModuleUnderTest.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Row 0 shows position 1: each cell asks the collection for its file.
const Expected kFileCells[] = {
    {"collection", 1, "GetFileAt", "1"},
    {"util", 6, "GetBareName", ""},
    {"util", 7, "GetExtension", ""},
    {"collection", 1, "GetFileAt", "1"},
    {"util", 8, "GetPathText", ""},
    {"collection", 1, "GetFileAt", "0"},
    {"Makefile", 6, "GetBareName", ""},
    {"Makefile", 7, "GetExtension", ""},
    {"collection", 1, "GetFileAt", "0"},
    {"Makefile", 8, "GetPathText", ""},
};

// Row 1's six cells, then row 0's namespace.
const Expected kTagCells[] = {
    {"Beta", 0, "GetTypeCode", ""},                                 // Type
    {"Beta", 11, "GetNamespace", ""},                               // Namespace, from the parent tag
    {"Beta", 12, "GetParentTag", ""},
    {"Alpha", 11, "GetNamespace", ""},
    {"Beta", 6, "GetParentName", ""},                               // Parent
    {"Beta", 2, "GetName", ""},                                     // Tag
    {"Beta", 14, "GetFileObject", ""},                              // Filename
    {"widget", 6, "GetBareName", ""},
    {"widget", 7, "GetExtension", ""},
    {"Beta", 4, "GetSearchString", ""},                             // Line
    {"Alpha", 11, "GetNamespace", ""},                              // row 0's own namespace
};

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
  ClearHostCalls();

  EXPECT_EQ(Bool(CallEntry(Table()->initFileDialog, {Word<CWnd>(&dialog), 0x4801, Word(&combo), Word(&list),
                                                      Word(&collectionLocation), Word(&indexLocation)})), 1);
  HWND view = dialog.Item(1020);
  SendMessageA(view, LVM_SETITEMCOUNT, 2, 0);
  EXPECT_EQ(CellText(view, 0, 0), "util.h");
  EXPECT_EQ(CellText(view, 0, 1), "C:\\src\\lib\\util.h");
  EXPECT_EQ(CellText(view, 1, 0), "Makefile");
  EXPECT_EQ(CellText(view, 1, 1), "C:\\src\\Makefile");
  EXPECT_EQ(Bool(CallEntry(Table()->closeFileDialog, {})), 1);

  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kFileCells));
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
  ClearHostCalls();

  EXPECT_EQ(Bool(CallEntry(Table()->initTagDialog, {Word<CWnd>(&dialog), 0x4802, Word(&parentCombo),
                                                     Word(&tagCombo), Word(&list), Word(&tagArray)})), 1);
  HWND view = dialog.Item(1050);
  SendMessageA(view, LVM_SETITEMCOUNT, 2, 0);
  const std::vector<std::string> cells = {CellText(view, 1, 0), CellText(view, 1, 1), CellText(view, 1, 2),
                                          CellText(view, 1, 3), CellText(view, 1, 4), CellText(view, 1, 5),
                                          CellText(view, 0, 1)};
  EXPECT_EQ(Bool(CallEntry(Table()->closeTagDialog, {})), 1);

  EXPECT_EQ(cells, std::vector<std::string>({"MemVar", "ui", "Alpha", "Beta", "widget.cpp", " int beta;", "ui"}));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kTagCells));
  EXPECT_EQ(UnsteadyCallSites(), std::vector<std::string>());
}

}  // namespace
