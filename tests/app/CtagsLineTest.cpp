// Single tags-file lines: address forms, escapes, fields, and lines that are not tags.
#include <gtest/gtest.h>
#include "host/tagstore/CtagsLine.h"
#include "host/tagstore/TagKind.h"

namespace {

CtagsEntry Parse(const std::string& line) {
  CtagsEntry entry;
  EXPECT_EQ(ParseCtagsLine(line, entry), CtagsLineResult::Tag) << line;
  return entry;
}

TEST(CtagsLine, PatternEscapesAreUndone) {
  CtagsEntry e = Parse("f\ta.c\t/^x = a \\/ b; \\\\ c \\d$/;\"\tkind:function\tline:3");
  EXPECT_EQ(e.searchString, "^x = a / b; \\ c \\d$");
  EXPECT_EQ(e.line, 3);
  EXPECT_EQ(e.typeCode, TagFunction);
  // A backward pattern escapes its own delimiter.
  EXPECT_EQ(Parse("f\ta.c\t?^a \\? b / c$?;\"\tkind:function").searchString, "^a ? b / c$");
}

TEST(CtagsLine, DollarsCaretsAndTheAnchors) {
  struct Pattern {
    const char* address;
    const char* searchString;
    bool fromStart;
    bool toEnd;
  };
  const Pattern patterns[] = {
      {"/^int y; \\/\\/ \\$$/", "^int y; // $$", true, true},    // a line that ends in '$'
      {"/^int z; \\/\\/ $\\$$/", "^int z; // $$$", true, true},  // only the last '$' of the line escaped
      {"/^#define W /", "^#define W ", true, false},             // cut after the name
      {"/^a \\\\$/", "^a \\$", true, true},                      // an escaped backslash, then the anchor
      {"/^x \\$/", "^x $", true, false},                         // the last '$' escaped: no anchor
      {"/\\^a$/", "^a$", false, true},                           // an escaped caret is no anchor
      {"/^^ 2; }$/", "^^ 2; }$", true, true},                    // a caret that begins the line
      {"/^a ? b$/", "^a ? b$", true, true},
      {"/^a \\? b$/", "^a ? b$", true, true},                    // \? undone in a forward pattern too
      {"/^$/", "^$", true, true},
  };
  for (const Pattern& p : patterns) {
    CtagsEntry e = Parse(std::string("n\ta.c\t") + p.address + ";\"\tkind:variable\tline:1");
    EXPECT_EQ(e.searchString, p.searchString) << p.address;
    EXPECT_EQ(e.patternFromLineStart, p.fromStart) << p.address;
    EXPECT_EQ(e.patternToLineEnd, p.toEnd) << p.address;
  }
  // A line address has no pattern and no anchors.
  CtagsEntry line = Parse("main\tm.c\t42;\"\tkind:function");
  EXPECT_FALSE(line.patternFromLineStart || line.patternToLineEnd);
}

TEST(CtagsLine, TabsInsidePatternStayInThePattern) {
  CtagsEntry e = Parse("T\ta.c\t/^int\tT(int\ta);$/;\"\tkind:prototype\tline:6\tfile:");
  EXPECT_EQ(e.searchString, "^int\tT(int\ta);$");
  EXPECT_EQ(e.typeCode, TagDecl);
  EXPECT_EQ(e.line, 6);
}

TEST(CtagsLine, LineAddressGivesLineAndNoPattern) {
  CtagsEntry e = Parse("main\tm.c\t42;\"\tkind:function");
  EXPECT_EQ(e.line, 42);
  EXPECT_EQ(e.searchString, "");
  // The plain old format: no extension fields at all.
  CtagsEntry old = Parse("main\tm.c\t7");
  EXPECT_EQ(old.line, 7);
  EXPECT_EQ(old.typeCode, -1);
}

TEST(CtagsLine, KindLetterScopeAndFieldEscapes) {
  CtagsEntry e = Parse("n\ta.h\t/^  int n;$/;\"\tm\tclass:ns::Outer::Inner\tsignature:(a\\tb)");
  EXPECT_EQ(e.typeCode, TagMemVar);
  EXPECT_EQ(e.scopeKind, "class");
  EXPECT_EQ(e.scope, "ns::Outer::Inner");
  EXPECT_EQ(LastScopeComponent(e.scope), "Inner");
  EXPECT_EQ(Parse("v\ta.h\t1;\"\tkind:variable\tnamespace:a\\\\b").scope, "a\\b");
}

TEST(CtagsLine, PseudoTagsAndBlankLinesAreComments) {
  CtagsEntry e;
  EXPECT_EQ(ParseCtagsLine("!_TAG_FILE_FORMAT\t2\t/extended format/", e), CtagsLineResult::Comment);
  EXPECT_EQ(ParseCtagsLine("\r\n", e), CtagsLineResult::Comment);
}

TEST(CtagsLine, MalformedLinesAreRejected) {
  const char* bad[] = {
      "no tabs at all",
      "name\tfile-only",
      "\tfile\t1;\"",                         // empty name
      "name\t\t1;\"",                         // empty file
      "name\tfile\t/^unterminated pattern",   // no closing delimiter
      "name\tfile\t/^ends in escape\\/",      // the delimiter is escaped
      "name\tfile\tabc;\"\tkind:function",    // neither pattern nor number
      "name\tfile\t12x",                      // junk after the number
      "name\tfile\t99999999999;\"",           // line number out of range
  };
  for (const char* line : bad) {
    CtagsEntry e;
    EXPECT_EQ(ParseCtagsLine(line, e), CtagsLineResult::Invalid) << line;
  }
}

TEST(TagKind, EveryCppKindHasItsCode) {
  EXPECT_EQ(TagTypeFromCtagsKind("class"), 0);
  EXPECT_EQ(TagTypeFromCtagsKind("prototype"), 1);
  EXPECT_EQ(TagTypeFromCtagsKind("externvar"), 1);
  EXPECT_EQ(TagTypeFromCtagsKind("macro"), 2);
  EXPECT_EQ(TagTypeFromCtagsKind("enum"), 3);
  EXPECT_EQ(TagTypeFromCtagsKind("enumerator"), 4);
  EXPECT_EQ(TagTypeFromCtagsKind("file"), 5);
  EXPECT_EQ(TagTypeFromCtagsKind("function"), 6);
  EXPECT_EQ(TagTypeFromCtagsKind("member"), 7);
  EXPECT_EQ(TagTypeFromCtagsKind("namespace"), 8);
  EXPECT_EQ(TagTypeFromCtagsKind("struct"), 9);
  EXPECT_EQ(TagTypeFromCtagsKind("typedef"), 10);
  EXPECT_EQ(TagTypeFromCtagsKind("union"), 11);
  EXPECT_EQ(TagTypeFromCtagsKind("variable"), 12);
  EXPECT_EQ(TagTypeFromCtagsKind("label"), -1);
  EXPECT_EQ(TagTypeFromCtagsKind(""), -1);
}

}  // namespace
