// Cell texts of the file picker's and the tag browser's lists as the real list
// views get them from the module's list controls.
#include <gtest/gtest.h>
#include <memory>
#include "host/tagstore/TagSet.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

class FileListText : public ::testing::Test {
 protected:
  void SetUp() override {
    m_files.Add("main", "cpp", "C:\\src\\main.cpp");
    m_files.Add("Makefile", "", "C:\\src\\Makefile");
    m_files.Add("util", "h", "C:\\src\\lib\\util.h");
    m_dialog.SetFiles(&m_files);
    ASSERT_TRUE(m_dialog.CreateModeless(nullptr));
  }

  FileCatalog m_files;
  TestFilePicker m_dialog{0x100};
};

TEST_F(FileListText, NameWithAndWithoutExtensionAndPath) {
  HWND list = m_dialog.list();
  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(ListText(list, 0, 0), "main.cpp");
  EXPECT_EQ(ListText(list, 0, 1), "C:\\src\\main.cpp");
  EXPECT_EQ(ListText(list, 1, 0), "Makefile");   // no trailing dot
  EXPECT_EQ(ListText(list, 2, 0), "util.h");
  EXPECT_EQ(ListText(list, 2, 1), "C:\\src\\lib\\util.h");
  // Any sub-item above 1 shows the path too.
  EXPECT_STREQ(AskDisplayInfo(list, 1, 4).item.pszText, "C:\\src\\Makefile");
}

TEST_F(FileListText, AnswerIsTextOnlyWhateverWasAsked) {
  NMLVDISPINFOA answer =
      AskDisplayInfo(m_dialog.list(), 0, 0, LVIF_TEXT | LVIF_IMAGE | LVIF_STATE | LVIF_PARAM | LVIF_INDENT);
  EXPECT_EQ(answer.item.mask, static_cast<UINT>(LVIF_TEXT));
  EXPECT_STREQ(answer.item.pszText, "main.cpp");
}

TEST_F(FileListText, ThreeAnswersKeepTheirTextsAndTheFourthReusesTheFirst) {
  HWND list = m_dialog.list();
  const char* first = AskDisplayInfo(list, 0, 0).item.pszText;
  const char* second = AskDisplayInfo(list, 1, 0).item.pszText;
  const char* third = AskDisplayInfo(list, 2, 1).item.pszText;
  EXPECT_STREQ(first, "main.cpp");
  EXPECT_STREQ(second, "Makefile");
  EXPECT_STREQ(third, "C:\\src\\lib\\util.h");
  EXPECT_NE(first, second);
  EXPECT_NE(second, third);
  EXPECT_NE(first, third);

  const char* fourth = AskDisplayInfo(list, 2, 0).item.pszText;
  EXPECT_EQ(fourth, first);
  EXPECT_STREQ(first, "util.h");
  EXPECT_STREQ(second, "Makefile");
  EXPECT_STREQ(third, "C:\\src\\lib\\util.h");
}

TEST_F(FileListText, ShrunkenIndexArrayIsReadAnew) {
  HWND edit = m_dialog.edit();
  PostAndPump(edit, WM_CHAR, 'u');   // only util.h has a "u"
  ASSERT_EQ(SendMessageA(m_dialog.list(), LVM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(ListText(m_dialog.list(), 0, 0), "util.h");
}

// ---- tags --------------------------------------------------------------------------

class TagListText : public ::testing::Test {
 protected:
  // A tag of C:\src\util.h, by default a function with the pattern "^x$".
  void AddTag(const char* name, const char* kind = "function", const char* scopeField = "",
              const char* address = "/^x$/") {
    m_lines.push_back(TagLine(name, "util.h", address, kind, scopeField));
  }
  // The tags of the lines added, in their order.
  void Make() { m_set.AddLines(m_lines, "C:\\src\\"); }
  TagEntry* Tag(size_t index) { return m_set.tags()[index]; }
  void Open() {
    m_dialog.SetTags(m_set.tags());
    ASSERT_TRUE(m_dialog.CreateModeless(nullptr));
  }

  std::vector<std::string> m_lines;
  TagSet m_set;
  TestTagBrowser m_dialog{0x200};
};

TEST_F(TagListText, TypeNamesAndCodesOutsideTheTable) {
  const char* names[] = {"Class", "Decl",   "Define", "Enum",  "EnumVal", "File",    "Function",
                         "MemVar", "NSpace", "Struct", "Typedef", "Union", "Variable"};
  for (int code = 0; code <= 14; ++code) AddTag("t");
  Make();
  for (int code = 0; code <= 13; ++code) Tag(code)->SetTypeCode(code);
  Tag(14)->SetTypeCode(-1);
  Open();
  HWND list = m_dialog.list();
  for (int code = 0; code <= 12; ++code) EXPECT_EQ(ListText(list, code, 0), names[code]) << code;
  // An unknown code leaves the list view's buffer as supplied.
  EXPECT_EQ(ListText(list, 13, 0, "as supplied"), "as supplied");
  EXPECT_EQ(ListText(list, 14, 0, "as supplied"), "as supplied");
  NMLVDISPINFOA answer = AskDisplayInfo(list, 13, 0);
  EXPECT_STREQ(answer.item.pszText, "supplied");
  EXPECT_EQ(answer.item.mask, static_cast<UINT>(LVIF_TEXT));
}

TEST_F(TagListText, NamespaceFallsBackToTheParentTag) {
  AddTag("Outer", "class", "namespace:ns");
  AddTag("member", "member", "class:Outer");       // empty namespace, parent has one
  AddTag("own", "member", "class:mine::Outer");    // its own wins
  AddTag("lonely");                                // empty, no parent
  AddTag("mine", "namespace");                     // the namespace own's scope starts with
  Make();
  ASSERT_EQ(Tag(1)->GetParentTag(), Tag(0));
  ASSERT_EQ(Tag(2)->GetParentTag(), Tag(0));
  Open();
  HWND list = m_dialog.list();
  EXPECT_EQ(ListText(list, 0, 1), "ns");
  EXPECT_EQ(ListText(list, 1, 1), "ns");
  EXPECT_EQ(ListText(list, 2, 1), "mine");
  EXPECT_EQ(ListText(list, 3, 1, "stale"), "");
  // Parent and tag names are handed out as the tag holds them, not copied.
  EXPECT_EQ(AskDisplayInfo(list, 1, 2).item.pszText, Tag(1)->ParentName());
  EXPECT_EQ(AskDisplayInfo(list, 1, 3).item.pszText, Tag(1)->Name());
  EXPECT_EQ(ListText(list, 1, 2), "Outer");
  EXPECT_EQ(ListText(list, 1, 3), "member");
}

TEST_F(TagListText, LineColumnLosesAnchorsAndTabs) {
  AddTag("a", "function", "", "/^int main()$/");
  AddTag("b", "function", "", "/^^a$$/");
  AddTag("c", "function", "", "/^int\tx;$/");
  AddTag("d", "function", "", "/^a ^ b $ c$/");
  AddTag("e", "function", "", "7");   // a line address: no search string
  Make();
  ASSERT_STREQ(Tag(1)->GetSearchString(), "^^a$$");
  ASSERT_STREQ(Tag(4)->GetSearchString(), "");
  Open();
  HWND list = m_dialog.list();
  EXPECT_EQ(ListText(list, 0, 5), "int main()");
  EXPECT_EQ(ListText(list, 1, 5), "a");
  EXPECT_EQ(ListText(list, 2, 5), "int x;");
  EXPECT_EQ(ListText(list, 3, 5), "a ^ b $ c");
  EXPECT_EQ(ListText(list, 4, 5, "stale"), "");
}

TEST_F(TagListText, FilenameColumnAndTheSharedRing) {
  FileEntry bare("util", "", "C:\\src\\util");
  AddTag("a", "function", "", "/^first$/");
  AddTag("b");
  Make();
  Tag(1)->SetFile(&bare);
  Open();
  HWND list = m_dialog.list();
  EXPECT_EQ(ListText(list, 0, 4), "util.h");
  EXPECT_EQ(ListText(list, 1, 4), "util");

  // Columns 4 and 5 share one ring; answers from the tag name do not use it.
  const char* first = AskDisplayInfo(list, 0, 5).item.pszText;
  const char* second = AskDisplayInfo(list, 0, 4).item.pszText;
  AskDisplayInfo(list, 0, 3);
  const char* third = AskDisplayInfo(list, 1, 4).item.pszText;
  EXPECT_STREQ(first, "first");
  EXPECT_STREQ(second, "util.h");
  EXPECT_STREQ(third, "util");
  const char* fourth = AskDisplayInfo(list, 1, 5).item.pszText;
  EXPECT_EQ(fourth, first);
  EXPECT_STREQ(second, "util.h");
  EXPECT_STREQ(third, "util");
}

}  // namespace
