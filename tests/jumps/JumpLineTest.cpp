// The jump line the host picks when a tag is chosen, on texts of the tests'
// own: a tags-file line as ctags writes it, the file's text as the IDE holds
// it, and the line the tag must report (-1: the module searches).
#include <gtest/gtest.h>
#include "host/ctags/CtagsLine.h"
#include "host/ctags/JumpLine.h"
#include "host/ide/AnsiText.h"

namespace {

struct Case {
  const char* what;
  const char* tagsLine;
  std::vector<const char*> text;
  int expected;
};

std::vector<std::wstring> Lines(const std::vector<const char*>& text) {
  std::vector<std::wstring> lines;
  for (const char* line : text) lines.push_back(AnsiToWide(line));
  return lines;
}

void Check(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    CtagsEntry entry;
    ASSERT_EQ(ParseCtagsLine(c.tagsLine, entry), CtagsLineResult::Tag) << c.what;
    EXPECT_EQ(ChooseJumpLine(Lines(c.text), entry), c.expected) << c.what;
  }
}

const char* const kDrawTag2 = "Draw\tw.h\t/^  void Draw() override;$/;\"\tkind:prototype\tline:2";
const char* const kDrawTag5 = "Draw\tw.h\t/^  void Draw() override;$/;\"\tkind:prototype\tline:5";

TEST(JumpLine, TheModuleSearchesWhereItsSearchStopsOnTheTagsLine) {
  Check({
      {"a unique line where ctags saw it", "f\ta.c\t/^int f(void)$/;\"\tkind:function\tline:2",
       {"// f", "int f(void)", "{"}, -1},
      {"a unique line, lines added above it", "f\ta.c\t/^int f(void)$/;\"\tkind:function\tline:2",
       {"//", "//", "//", "// f", "int f(void)", "{"}, -1},
      {"the first of two equal lines", kDrawTag2,
       {"class A {", "  void Draw() override;", "};", "class B {", "  void Draw() override;", "};"}, -1},
      {"the tags file knows no line: the first holder", "Draw\tw.h\t/^  void Draw() override;$/;\"\tkind:prototype",
       {"class A {", "  void Draw() override;", "};", "  void Draw() override;"}, -1},
  });
}

TEST(JumpLine, ALineWhereTheSearchWouldStopElsewhereFirst) {
  Check({
      {"the second of two equal lines", kDrawTag5,
       {"class A {", "  void Draw() override;", "};", "class B {", "  void Draw() override;", "};"}, 5},
      {"a #define cut after its name, in the #else branch", "W\tw.h\t/^#define W /;\"\tkind:macro\tline:4",
       {"#ifdef WIDE", "#define W 120", "#else", "#define W 80", "#endif"}, 4},
      {"a cut #define whose text a comment holds first", "H\tw.h\t/^#define H /;\"\tkind:macro\tline:2",
       {"// was: #define H 20", "#define H 24"}, 2},
      {"the definition's text inside a longer earlier line",
       "setnetgrent\tn.c\t/^setnetgrent (const char *group)$/;\"\tkind:function\tline:3",
       {"int __nscd_setnetgrent (const char *group);", "int", "setnetgrent (const char *group)", "{"}, 3},
      {"a pattern cut at 96 characters (an old tags file) after a longer prototype",
       "R\tr.h\t/^void Resize(int a, int b/;\"\tkind:function\tline:2",
       {"void Resize(int a, int b);", "void Resize(int a, int b) {", "}"}, 2},
      {"a line that ends in '$' (ctags writes \\$ before its anchor)",
       "price\tp.c\t/^int price; \\/\\/ in \\$$/;\"\tkind:variable\tline:2",
       {"int price; // in euros", "int price; // in $"}, 2},
      {"a carriage return inside the line, where ctags ends the pattern",
       "cr\tc.c\t/^int cr; \\/* a$/;\"\tkind:variable\tline:2",
       {"int cr; /* a and b */", "int cr; /* a\rb */"}, 2},
      {"an empty line as the pattern: the module's search never finds it", "e\te.c\t/^$/;\"\tkind:variable\tline:3",
       {"a", "", "", "b"}, 3},
  });
}

TEST(JumpLine, EditedFilesAndPatternsThatAreGone) {
  Check({
      {"equal lines moved down by an added line: the nearer copy", kDrawTag5,
       {"// new", "class A {", "  void Draw() override;", "};", "class B {", "  void Draw() override;", "};"}, 6},
      {"two copies as near as each other: the one below", kDrawTag5,
       {"", "", "  void Draw() override;", "", "", "", "  void Draw() override;"}, 7},
      {"the line past the end of a file that got shorter: from its last line", kDrawTag5,
       {"  void Draw() override;", "  void Draw() override;"}, 2},
      {"the definition removed: the module searches and says so",
       "f\ta.c\t/^int f(void)$/;\"\tkind:function\tline:2", {"// f", "int g(void)"}, -1},
      {"the definition removed, its text left in a prototype: the module finds that",
       "f\ta.c\t/^int f(void)$/;\"\tkind:function\tline:3", {"int f(void);", "", "int g(void)"}, -1},
      {"a tag with a line address: that line", "f\ta.c\t7;\"\tkind:function", {"a", "b"}, 7},
      {"an empty file", kDrawTag2, {}, -1},
  });
}

TEST(JumpLine, TheModulesSearchText) {
  struct Text { const char* searchString; const char* searched; };
  const Text texts[] = {
      {"^int main()$", "int main()"}, {"^^a$$", "^a"},  {"^a$b$$$", "a$b"}, {"xabc", "abc"},
      {"^#define W ", "#define W "},  {"^", ""},         {"^$", ""},         {"$$", ""},
      {"", ""},
  };
  for (const Text& text : texts) EXPECT_EQ(ModuleSearchText(text.searchString), text.searched) << text.searchString;
}

}  // namespace
