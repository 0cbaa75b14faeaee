// The jump line the host picks when a tag is chosen, on texts of the tests'
// own: a tags-file line as ctags writes it, the file's text as the IDE holds
// it, and the line the tag must report (-1: the module searches). Then the
// tag's own copy of a repeated line, with all the file's tags, after edits.
#include <gtest/gtest.h>
#include <cstdlib>
#include "host/jumplines/CopyAlignment.h"
#include "host/tagstore/CtagsLine.h"
#include "host/jumplines/JumpLine.h"
#include "host/jumplines/Landmarks.h"
#include "host/jumplines/TagPattern.h"
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
    EXPECT_EQ(ChooseJumpLine(Lines(c.text), entry, {}).line, c.expected) << c.what;
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

TEST(JumpLine, WhereTheJumpLandsWhenTheTagsLineIsGone) {
  CtagsEntry entry;
  ASSERT_EQ(ParseCtagsLine("f\ta.c\t/^int f(void)$/;\"\tkind:function\tline:3", entry), CtagsLineResult::Tag);
  EXPECT_EQ(ChooseJumpLine(Lines({"int f(void);", "", "int g(void)"}), entry, {}).landing, JumpChoice::TextElsewhere);
  EXPECT_EQ(ChooseJumpLine(Lines({"int g(void);", "", "int g(void)"}), entry, {}).landing, JumpChoice::Nowhere);
  EXPECT_EQ(ChooseJumpLine(Lines({"int f(void);", "", "int f(void)"}), entry, {}).landing, JumpChoice::TagLine);
}

// Repeated lines: a file's tags as ctags writes them and its text as tagged;
// after each edit, where each tag's own copy is now (0: it was removed).
// Each case also says whether the nearest line to line:N (the rule before
// copies were told apart by their rank) gets any of them wrong.
struct Copies {
  const char* what;
  std::vector<const char*> text;
  std::vector<int> expected;   // for the file's first tags, in order
  bool nearestMisses;
};

using Text = std::vector<const char*>;

Text Inserted(Text text, size_t afterLine, const Text& lines) {
  text.insert(text.begin() + static_cast<long>(afterLine), lines.begin(), lines.end());
  return text;
}

Text Erased(Text text, size_t line) {
  text.erase(text.begin() + static_cast<long>(line) - 1);
  return text;
}

int NearestHolder(const std::vector<std::wstring>& lines, const CtagsEntry& entry) {
  int best = 0;
  for (int line : TagPattern(entry).LinesHolding(lines)) {
    if (best == 0 || std::abs(line - entry.line) <= std::abs(best - entry.line)) best = line;
  }
  return best;
}

void CheckCopies(const std::vector<const char*>& tagsLines, const std::vector<Copies>& cases) {
  std::vector<CtagsEntry> entries(tagsLines.size());
  std::vector<const CtagsEntry*> fileTags;
  for (size_t i = 0; i < tagsLines.size(); ++i) {
    ASSERT_EQ(ParseCtagsLine(tagsLines[i], entries[i]), CtagsLineResult::Tag) << tagsLines[i];
    fileTags.push_back(&entries[i]);
  }
  for (const Copies& c : cases) {
    std::vector<std::wstring> lines = Lines(c.text);
    bool nearestMisses = false;
    for (size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_EQ(TagLineNow(lines, entries[i], fileTags), c.expected[i]) << c.what << ", line:" << entries[i].line;
      nearestMisses = nearestMisses || NearestHolder(lines, entries[i]) != c.expected[i];
    }
    EXPECT_EQ(nearestMisses, c.nearestMisses) << c.what;
  }
}

const Text kGroupsTags = {
    "GROUPS\tb.h\t/^#define GROUPS(/;\"\tkind:macro\tline:3",
    "GROUPS\tb.h\t/^#define GROUPS(/;\"\tkind:macro\tline:6",
    "GROUPS\tb.h\t/^#define GROUPS(/;\"\tkind:macro\tline:8",
    "groups_of\tb.h\t/^int groups_of(int bits);$/;\"\tkind:prototype\tline:10",
};
const Text kGroups = {
    "/* Bitmap groups by size. */",  "#if BITS <= 64",
    "#define GROUPS(n) 1",           "#elif BITS <= 4096",
    "/* 64 bits a group */",         "#define GROUPS(n) ((n) / 64)",
    "#else",                         "#define GROUPS(n) ((n) / 4096)",
    "#endif",                        "int groups_of(int bits);",
};
const Text kThreeLines = {"// one", "// two", "// three"};

TEST(RepeatedLine, TheSameDefineInThreeIfBranchesKeepsItsRankWhereverLinesAreInserted) {
  CheckCopies(kGroupsTags, {
      {"as tagged", kGroups, {3, 6, 8}, false},
      {"three lines inserted above", Inserted(kGroups, 0, kThreeLines), {6, 9, 11}, true},
      {"three lines above, two between the first and second copy",
       Inserted(Inserted(kGroups, 3, {"// a", "// b"}), 0, kThreeLines), {6, 11, 13}, true},
      {"lines inserted below them all", Inserted(kGroups, 10, kThreeLines), {3, 6, 8}, false},
  });
}

TEST(RepeatedLine, ACopyAddedOrRemovedPairsTheRestByTheirOrderAndShift) {
  CheckCopies(kGroupsTags, {
      {"a copy added above them", Inserted(kGroups, 1, {"#ifndef BITS", "#define GROUPS(n) 0", "#endif"}),
       {6, 9, 11}, true},
      {"a copy added below them", Inserted(kGroups, 10, {"#undef GROUPS", "#define GROUPS(n) 0"}), {3, 6, 8}, false},
      {"the first copy removed", Erased(kGroups, 3), {0, 5, 7}, true},
      {"the middle copy removed", Erased(kGroups, 6), {3, 0, 7}, true},
      {"the last copy removed, lines inserted above", Inserted(Erased(kGroups, 8), 0, kThreeLines), {6, 9, 0}, true},
  });
}

TEST(RepeatedLine, CopiesThatCtagsDidNotTagAreLeftOut) {
  CheckCopies(kGroupsTags, {
      {"a copy in a comment above them",
       Inserted(kGroups, 1, {"/* The old way:", "#define GROUPS(n) 0", "*/"}), {6, 9, 11}, true},
      {"a copy in a comment between them, lines inserted above",
       Inserted(Inserted(kGroups, 6, {"/*", "#define GROUPS(n) 32", "*/"}), 0, kThreeLines), {6, 9, 14}, true},
  });
  // Ctags skips an "#if 0" block: the file as tagged already holds one more copy than it has tags.
  const Text tags = {
      "GROUPS\tc.h\t/^#define GROUPS(/;\"\tkind:macro\tline:5",
      "GROUPS\tc.h\t/^#define GROUPS(/;\"\tkind:macro\tline:7",
      "groups_of\tc.h\t/^int groups_of(int bits);$/;\"\tkind:prototype\tline:9",
  };
  const Text inactive = {"#if 0", "#define GROUPS(n) 0", "#endif", "#if BITS <= 64", "#define GROUPS(n) 1", "#else",
                         "#define GROUPS(n) ((n) / 64)", "#endif", "int groups_of(int bits);"};
  CheckCopies(tags, {
      {"an #if 0 copy, as tagged", inactive, {5, 7}, false},
      {"an #if 0 copy, lines inserted above", Inserted(inactive, 0, kThreeLines), {8, 10}, true},
  });
}

TEST(RepeatedLine, OneTagAloneTakesTheNearestLineAndAMovedLandmarkIsLeftOut) {
  // No other tags: the nearest holder, the lower one of two as near.
  const Text one = {"D\tw.h\t/^  void Draw() override;$/;\"\tkind:prototype\tline:5"};
  CheckCopies(one, {
      {"two copies, the lower nearer", {"", "  void Draw() override;", "", "", "", "  void Draw() override;"}, {6}, false},
      {"two copies as near", {"", "", "  void Draw() override;", "", "", "", "  void Draw() override;"}, {7}, false},
  });
  // A function cut from the top and pasted at the end moves by a shift that
  // nothing else shares: it is not taken as a landmark.
  const Text tags = {"a\tm.c\t/^int a(void)$/;\"\tkind:function\tline:1", "b\tm.c\t/^int b(void)$/;\"\tkind:function\tline:3",
                     "c\tm.c\t/^int c(void)$/;\"\tkind:function\tline:5"};
  std::vector<CtagsEntry> entries(tags.size());
  std::vector<const CtagsEntry*> fileTags;
  for (size_t i = 0; i < tags.size(); ++i) {
    ASSERT_EQ(ParseCtagsLine(tags[i], entries[i]), CtagsLineResult::Tag);
    fileTags.push_back(&entries[i]);
  }
  std::vector<LineShift> marks = FindLandmarks(Lines({"//", "int b(void)", "", "int c(void)", "", "int a(void)",
                                                      "int c(void)"}), fileTags);
  // c is held twice now: no landmark either.
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_EQ(marks[0].then, 3);
  EXPECT_EQ(marks[0].now, 2);
  marks = FindLandmarks(Lines({"//", "int b(void)", "", "int c(void)", "", "int a(void)"}), fileTags);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[0].then, 3);
  EXPECT_EQ(marks[1].then, 5);
}

TEST(RepeatedLine, AFileOfThousandsOfEqualLinesPlacesEachCopyByTheNearestLandmark) {
  // One tagged copy among 1,001 lines holding its text: too many pairings to
  // weigh, so the copy goes to its old line moved by its nearest landmark.
  std::vector<int> now;
  for (int line = 10; line <= 1010; ++line) now.push_back(line);
  const std::vector<LineShift> marks = {{100, 103}, {2000, 2009}};
  EXPECT_EQ(AlignCopies({500}, now, marks), std::vector<int>({503}));
  EXPECT_EQ(AlignCopies({1500}, now, marks), std::vector<int>({1010}));
  // A few lines: the pairing. Between landmarks moved by 3 and by 9, 503 and
  // 509 each need one place of change: the tie goes to the lower line.
  EXPECT_EQ(AlignCopies({500}, {497, 503, 509}, marks), std::vector<int>({509}));
  EXPECT_EQ(AlignCopies({500}, {497, 503, 509}, {{100, 103}, {2000, 2003}}), std::vector<int>({503}));
}

}  // namespace
