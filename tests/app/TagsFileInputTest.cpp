// Tags files as they come: line ends of either kind, a last line without its
// end or cut short, odd fields, bytes outside ASCII, and a file rewritten
// between two reads. Each is read the way the host reads a file (TagSet::Load).
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ProgramRunner.h"
#include "host/tagstore/TagKind.h"
#include "host/tagstore/TagSet.h"

namespace {

std::string Joined(const std::vector<std::string>& lines, const char* end) {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

// The tags of the text, read from a file of the test's own.
class TagsFileInput : public ::testing::Test {
 protected:
  void SetUp() override { m_folder = FreshFolder("zr-tags-input"); }
  std::string Path() const { return m_folder + "tags"; }
  bool Load(TagSet& tags, const std::string& text) {
    return WriteFileBytes(Path(), text) && tags.Load(Path().c_str());
  }
  TagEntry* Named(TagSet& tags, const char* name) {
    for (TagEntry* tag : tags.tags()) {
      if (std::string(tag->Name()) == name) return tag;
    }
    ADD_FAILURE() << "no tag " << name;
    return nullptr;
  }

  std::string m_folder;
};

// Lines enough for both threads: classes with two members each over 20 files.
std::vector<std::string> ClassLines(int n) {
  std::vector<std::string> lines;
  for (int i = 0; i < n; ++i) {
    std::string file = "src/f" + std::to_string((i / 3) % 20) + ".h";
    std::string owner = "C" + std::to_string(i - i % 3);
    lines.push_back(i % 3 == 0 ? owner + "\t" + file + "\t/^class " + owner + " {$/;\"\tkind:class\tline:" +
                                     std::to_string(i + 1)
                               : "m" + std::to_string(i) + "\t" + file + "\t/^  int m" + std::to_string(i) +
                                     ";$/;\"\tkind:member\tline:" + std::to_string(i + 1) + "\tclass:" + owner);
  }
  return lines;
}

TEST_F(TagsFileInput, CrLfLineEndsGiveTheTagsThatLfLineEndsGive) {
  const std::vector<std::string> lines = ClassLines(30000);
  TagSet lf, crlf;
  ASSERT_TRUE(Load(lf, Joined(lines, "\n")));
  ASSERT_TRUE(Load(crlf, Joined(lines, "\r\n")));
  ASSERT_EQ(lf.tags().size(), lines.size());
  ASSERT_EQ(crlf.tags().size(), lf.tags().size());
  EXPECT_EQ(crlf.invalidLines(), 0);
  for (size_t i = 0; i < lf.tags().size(); ++i) {
    const TagEntry* a = lf.tags()[i];
    const TagEntry* b = crlf.tags()[i];
    ASSERT_STREQ(b->Name(), a->Name()) << i;
    ASSERT_STREQ(b->Scope(), a->Scope()) << i;
    ASSERT_STREQ(b->SearchString(), a->SearchString()) << i;
    ASSERT_STREQ(b->FileName(), a->FileName()) << i;
    // line:N is the last field: a carriage return left on it would lose it.
    ASSERT_EQ(b->TagsLine(), static_cast<int>(i) + 1) << i;
    ASSERT_EQ(b->Parent() != nullptr, i % 3 != 0) << i;
  }
  EXPECT_STREQ(crlf.tags()[4]->SearchString(), "^  int m4;$");
}

TEST_F(TagsFileInput, ALastLineWithoutItsEndIsATagAndALineCutShortIsNot) {
  TagSet tags;
  // The writer stopped in the middle of a line, then the file went on.
  ASSERT_TRUE(Load(tags, "a\tf.c\t/^int a;$/;\"\tkind:variable\tline:1\n"
                         "b\tf.c\t/^int b(vo\n"
                         "c\tf.c\t/^int c;$/;\"\tkind:variable\tline:3"));
  ASSERT_EQ(tags.tags().size(), 2u);
  EXPECT_EQ(tags.invalidLines(), 1);
  EXPECT_STREQ(tags.tags()[1]->Name(), "c");
  EXPECT_STREQ(tags.tags()[1]->SearchString(), "^int c;$");
  EXPECT_EQ(tags.tags()[1]->TagsLine(), 3);
  // A file that ends inside its last line's pattern: that line is no tag.
  ASSERT_TRUE(Load(tags, "a\tf.c\t/^int a;$/;\"\tkind:variable\tline:1\nb\tf.c\t/^int b(vo"));
  ASSERT_EQ(tags.tags().size(), 1u);
  EXPECT_EQ(tags.invalidLines(), 1);
  // Nothing but a line end, or nothing at all: a file without tags, read.
  EXPECT_TRUE(Load(tags, "\r\n"));
  EXPECT_TRUE(tags.tags().empty());
  EXPECT_TRUE(Load(tags, ""));
  EXPECT_TRUE(tags.loaded());
  EXPECT_EQ(tags.invalidLines(), 0);
}

TEST_F(TagsFileInput, FieldsMissingOrOddHaveOneMeaningEach) {
  TagSet tags;
  ASSERT_TRUE(Load(tags,
                   "Box\tb.h\t/^struct Box {$/;\"\tkind:struct\tline:1\n"
                   "bare\tb.h\t/^int bare;$/\n"                                    // no fields: no kind
                   "letter\tb.h\t/^int letter;$/;\"\tv\tline:2\n"                  // the kind as a letter
                   "noLine\tb.h\t/^int noLine;$/;\"\tkind:variable\tline:\n"       // line: empty
                   "junkLine\tb.h\t/^int junkLine;$/;\"\tkind:variable\tline:4x\n"
                   "w\tb.h\t/^  int w;$/;\"\tkind:member\t\tline:5\t\tstruct:Box\tclass:Other\tzzz:1\n"
                   "empty\tb.h\t/^  int empty;$/;\"\tkind:member\tline:6\tstruct:\n"
                   "atLine\tb.h\t7;\"\tkind:variable\n"));
  EXPECT_EQ(tags.skippedKinds(), 1);   // bare
  EXPECT_EQ(tags.invalidLines(), 0);
  ASSERT_EQ(tags.tags().size(), 7u);
  EXPECT_EQ(Named(tags, "letter")->TypeCode(), TagVariable);
  EXPECT_EQ(Named(tags, "noLine")->TagsLine(), -1);
  EXPECT_EQ(Named(tags, "junkLine")->TagsLine(), -1);
  // Doubled tabs between fields count for nothing; of two scope fields the
  // first is the scope; fields nobody knows are passed over.
  TagEntry* w = Named(tags, "w");
  EXPECT_EQ(w->TagsLine(), 5);
  EXPECT_STREQ(w->Scope(), "Box");
  EXPECT_EQ(w->Parent(), Named(tags, "Box"));
  // An empty scope field: at file level, no parent, no namespace.
  TagEntry* empty = Named(tags, "empty");
  EXPECT_STREQ(empty->Scope(), "");
  EXPECT_STREQ(empty->ParentName(), "");
  EXPECT_EQ(empty->Parent(), nullptr);
  EXPECT_STREQ(empty->Namespace(), "");
  // A tag found by its line has no search string and reports that line.
  TagEntry* atLine = Named(tags, "atLine");
  EXPECT_STREQ(atLine->SearchString(), "");
  EXPECT_EQ(atLine->GetLine(), 7);
  EXPECT_EQ(Named(tags, "noLine")->GetLine(), -1);
}

TEST_F(TagsFileInput, BytesOutsideAsciiAreKeptAndAZeroByteEndsOnlyItsOwnText) {
  TagSet tags;
  std::string zero("z\0ero", 5);
  ASSERT_TRUE(Load(tags, "caf\xe9\tsrc/\xc3\xa9t\xc3\xa9.c\t/^int caf\xe9 = 1; \\/\\/ \xe2\x82\xac$/;\"\tkind:variable"
                         "\tline:1\tstruct:Na\xefve\n" +
                         zero + "\tz.c\t/^int z;$/;\"\tkind:member\tline:2\tstruct:Outer\n"));
  ASSERT_EQ(tags.tags().size(), 2u);
  TagEntry* cafe = tags.tags()[0];
  EXPECT_STREQ(cafe->Name(), "caf\xe9");
  EXPECT_STREQ(cafe->SearchString(), "^int caf\xe9 = 1; // \xe2\x82\xac$");
  EXPECT_STREQ(cafe->Scope(), "Na\xefve");
  EXPECT_EQ(std::string(cafe->FileName()), m_folder + "src\\\xc3\xa9t\xc3\xa9.c");
  EXPECT_STREQ(cafe->File()->GetBareName(), "\xc3\xa9t\xc3\xa9");
  // The name ends at its zero byte; its scope and pattern are still its own.
  TagEntry* z = tags.tags()[1];
  EXPECT_STREQ(z->Name(), "z");
  EXPECT_STREQ(z->Scope(), "Outer");
  EXPECT_STREQ(z->SearchString(), "^int z;$");
  EXPECT_EQ(tags.EntryAt(1).scope, "Outer");
}

TEST_F(TagsFileInput, AFileRewrittenBetweenTwoReadsGivesTheNewTagsOnly) {
  TagSet tags;
  ASSERT_TRUE(Load(tags, "A\ta.h\t/^class A {$/;\"\tkind:class\tline:1\n"
                         "x\ta.h\t/^  int x;$/;\"\tkind:member\tline:2\tclass:A\n"
                         "y\ta.h\t/^  int y;$/;\"\tkind:member\tline:3\tclass:A\n"));
  ASSERT_EQ(tags.tags().size(), 3u);
  // ctags wrote the file again: other tags, another file, fewer lines.
  ASSERT_TRUE(WriteFileBytes(Path(), "B\tb.h\t/^class B {$/;\"\tkind:class\tline:4\n"
                                     "x\tb.h\t/^  int x;$/;\"\tkind:member\tline:5\tclass:B\n"));
  ASSERT_TRUE(tags.Reload());
  ASSERT_EQ(tags.tags().size(), 2u);
  TagEntry* x = tags.tags()[1];
  EXPECT_STREQ(x->Scope(), "B");
  ASSERT_NE(x->Parent(), nullptr);
  EXPECT_STREQ(x->Parent()->Name(), "B");
  EXPECT_EQ(std::string(x->FileName()), m_folder + "b.h");
  std::vector<CtagsEntry> sameFile = tags.EntriesOfFile(x);
  ASSERT_EQ(sameFile.size(), 2u);
  EXPECT_EQ(sameFile[0].name, "B");
  EXPECT_EQ(sameFile[1].line, 5);
  // Emptied, it is read and holds no tags; gone, it cannot be read.
  ASSERT_TRUE(WriteFileBytes(Path(), ""));
  EXPECT_TRUE(tags.Reload());
  EXPECT_TRUE(tags.tags().empty());
  ASSERT_TRUE(DeleteFileA(Path().c_str()));
  EXPECT_FALSE(tags.Reload());
  EXPECT_FALSE(tags.loaded());
  EXPECT_TRUE(tags.tags().empty());
  EXPECT_EQ(tags.failure(), "cannot be opened");
}

}  // namespace
