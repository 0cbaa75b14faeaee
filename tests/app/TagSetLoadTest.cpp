// A large tags file read the fast way (one read, the lines parsed on two
// threads, files and names found through hashes) gives the tags, in file
// order, that the same lines give a few at a time.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>
#include "ProgramRunner.h"
#include "host/tagstore/TagKind.h"
#include "host/tagstore/TagSet.h"

namespace {

// n tag lines over 50 files, with a comment, a line ctags never writes and
// a kind the browser does not show every so often; each class has members.
std::vector<std::string> ManyLines(int n) {
  std::vector<std::string> lines = {"!_TAG_FILE_FORMAT\t2\t/extended format/"};
  for (int i = 0; i < n; ++i) {
    // A class and its two members share a file.
    std::string file = "src/part" + std::to_string((i - i % 3) % 50) + ".cpp";
    std::string line = std::to_string(i + 1);
    if (i % 997 == 0) lines.push_back("not a tag line");
    if (i % 1499 == 0) lines.push_back("L" + std::to_string(i) + "\t" + file + "\t/^L:$/;\"\tkind:label\tline:" + line);
    if (i % 3 == 0) {
      lines.push_back("Class" + std::to_string(i) + "\t" + file + "\t/^class Class" + std::to_string(i) +
                      " {$/;\"\tkind:class\tline:" + line + "\tnamespace:ns");
    } else {
      std::string owner = "Class" + std::to_string(i - i % 3);
      lines.push_back("member" + std::to_string(i) + "\t" + file + "\t/^  int member" + std::to_string(i) +
                      ";$/;\"\tkind:member\tline:" + line + "\tclass:ns::" + owner);
    }
  }
  return lines;
}

TEST(TagSetLoad, ALargeFileGivesTheTagsThatSmallPiecesGive) {
  const std::vector<std::string> lines = ManyLines(40000);
  std::string folder = FreshFolder("zr-tagset");
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  text.pop_back();   // the last line without its end
  ASSERT_TRUE(WriteFileBytes(folder + "tags", text));

  TagSet whole;
  ASSERT_TRUE(whole.Load((folder + "tags").c_str()));
  TagSet pieces;
  for (size_t start = 0; start < lines.size(); start += 1000) {
    std::vector<std::string> piece(lines.begin() + start, lines.begin() + std::min(lines.size(), start + 1000));
    pieces.AddLines(piece, folder);
  }
  ASSERT_EQ(whole.tags().size(), 40000u);
  ASSERT_EQ(pieces.tags().size(), whole.tags().size());
  EXPECT_EQ(whole.invalidLines(), pieces.invalidLines());
  EXPECT_EQ(whole.invalidLines(), 41);
  EXPECT_EQ(whole.skippedKinds(), 27);
  for (size_t i = 0; i < whole.tags().size(); ++i) {
    TagEntry* a = whole.tags()[i];
    TagEntry* b = pieces.tags()[i];
    ASSERT_STREQ(a->Name(), b->Name()) << i;
    ASSERT_STREQ(a->SearchString(), b->SearchString()) << i;
    ASSERT_STREQ(a->FileName(), b->FileName()) << i;
    ASSERT_EQ(whole.EntryAt(i).line, static_cast<int>(i) + 1);
    ASSERT_STREQ(a->Scope(), b->Scope()) << i;
    ASSERT_EQ(a->Parent() == nullptr, b->Parent() == nullptr) << i;
    if (a->Parent()) {
      ASSERT_STREQ(a->Parent()->Name(), b->Parent()->Name()) << i;
    }
  }
  // Members find their class in the same file; every file is one object.
  TagEntry* member = whole.tags()[4];
  EXPECT_STREQ(member->Name(), "member4");
  ASSERT_NE(member->Parent(), nullptr);
  EXPECT_STREQ(member->Parent()->Name(), "Class3");
  EXPECT_STREQ(member->Scope(), "ns::Class3");
  EXPECT_EQ(whole.tags()[0]->File(), whole.tags()[150]->File());
  EXPECT_NE(whole.tags()[0]->File(), whole.tags()[3]->File());
  EXPECT_EQ(std::string(whole.tags()[7]->FileName()), folder + "src\\part6.cpp");
}

// The file is cut in two at the first line start from its middle on, each
// half read by a thread of its own: wherever the middle falls (on a line
// start, on a line end, between a CR and its LF, inside a line), every line
// is read once and whole.
TEST(TagSetLoad, TheTwoHalvesMeetAtALineStartWhereverTheMiddleFalls) {
  std::string folder = FreshFolder("zr-tagset-halves");
  // 14,000 lines of 100 bytes, CR LF ends: 1.4 MB, enough for two threads.
  std::vector<std::string> lines;
  for (int i = 0; i < 14000; ++i) {
    char line[128];
    snprintf(line, sizeof line, "t%05d\tsrc/x%02d.c\t/^int t%05d = 0; %s$/;\"\tkind:variable\tline:%d", i, i % 50, i,
             std::string(38, 'x').c_str(), i + 1);
    lines.push_back(line);
  }
  ASSERT_EQ(lines[0].size() + 2, 100u);
  // The first line grows by `shift` bytes: the middle moves by half as many.
  for (int shift : {0, 1, 2, 3, 4, 98, 99, 100, 101, 150}) {
    std::vector<std::string> shifted = lines;
    shifted[0].insert(shifted[0].find(" = 0;"), static_cast<size_t>(shift), 'y');
    std::string text;
    for (const std::string& line : shifted) text += line + "\r\n";
    ASSERT_TRUE(WriteFileBytes(folder + "tags", text));
    TagSet tags;
    ASSERT_TRUE(tags.Load((folder + "tags").c_str()));
    ASSERT_EQ(tags.tags().size(), shifted.size()) << "shift " << shift;
    EXPECT_EQ(tags.invalidLines(), 0) << "shift " << shift;
    for (size_t i = 0; i < shifted.size(); ++i) {
      ASSERT_EQ(tags.tags()[i]->TagsLine(), static_cast<int>(i) + 1) << "shift " << shift;
      ASSERT_EQ(shifted[i].compare(0, 6, tags.tags()[i]->Name()), 0) << "shift " << shift << ", line " << i;
    }
    // The line at the middle, whole: its pattern is the one written.
    const std::string& middle = shifted[shifted.size() / 2];
    size_t pattern = middle.find("\t/") + 1;
    EXPECT_EQ("/" + std::string(tags.tags()[shifted.size() / 2]->SearchString()) + "/",
              middle.substr(pattern, middle.find(";\"") - pattern))
        << "shift " << shift;
  }
}

// More tags than one thread links alone, sorted by name as ctags sorts
// them: every member finds its class, whichever half of the files it fell in.
TEST(TagSetLoad, ALargeSortedSetLinksEveryMemberToItsClass) {
  std::vector<std::string> lines = ManyLines(70000);
  std::sort(lines.begin(), lines.end());
  std::string folder = FreshFolder("zr-tagset-links");
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  ASSERT_TRUE(WriteFileBytes(folder + "tags", text));
  TagSet tags;
  ASSERT_TRUE(tags.Load((folder + "tags").c_str()));
  ASSERT_EQ(tags.tags().size(), 70000u);
  for (TagEntry* tag : tags.tags()) {
    if (tag->TypeCode() == TagClass) {
      ASSERT_EQ(tag->Parent(), nullptr) << tag->Name();
      ASSERT_STREQ(tag->Namespace(), "ns") << tag->Name();
      continue;
    }
    ASSERT_NE(tag->Parent(), nullptr) << tag->Name();
    ASSERT_STREQ(("ns::" + std::string(tag->Parent()->Name())).c_str(), tag->Scope()) << tag->Name();
    ASSERT_EQ(tag->Parent()->File(), tag->File()) << tag->Name();
  }
}

// A tags file not sorted by name (ctags --sort=no, or foldcase): the scopes
// are looked up all the same.
TEST(TagSetLoad, AFileNotSortedByNameFindsItsParentsAllTheSame) {
  std::vector<std::string> lines;
  for (int i = 0; i < 60; ++i) {
    // Classes and members of one file in an order of their own, name order nowhere.
    int c = (i * 37) % 60;
    std::string owner = "K" + std::to_string(c);
    lines.push_back(owner + "\tk.h\t/^class " + owner + " {$/;\"\tkind:class\tline:" + std::to_string(2 * c + 1));
    lines.push_back("a" + std::to_string(c) + "\tk.h\t/^  int a;$/;\"\tkind:member\tline:" + std::to_string(2 * c + 2) +
                    "\tclass:" + owner);
  }
  std::reverse(lines.begin(), lines.end());
  TagSet tags;
  tags.AddLines(lines, "C:\\");
  ASSERT_EQ(tags.tags().size(), 120u);
  for (TagEntry* tag : tags.tags()) {
    if (tag->TypeCode() != TagMemVar) continue;
    ASSERT_NE(tag->Parent(), nullptr) << tag->Name();
    EXPECT_STREQ(tag->Parent()->Name(), tag->Scope()) << tag->Name();
  }
}

// The progress of a load as the console line shows it: kilobytes of the
// file read, by both threads, reported by the thread that loads; the figure
// must only grow and end at the file's size.
TEST(TagSetLoad, TheProgressOfALargeLoadOnlyGrowsAndStaysWithinItsTotal) {
  const size_t count = 130000;
  std::string text;
  for (size_t i = 0; i < count; ++i) text += "!_TAG_PROGRAM_NAME\tUniversal Ctags\t//\n";
  std::string folder = FreshFolder("zr-tagset-progress");
  ASSERT_TRUE(WriteFileBytes(folder + "tags", text));
  const size_t kilobytes = (text.size() + 1023) / 1024;
  std::vector<std::pair<size_t, size_t>> steps;
  TagSet tags;
  tags.SetProgress([&](size_t done, size_t total) { steps.emplace_back(done, total); });
  ASSERT_TRUE(tags.Load((folder + "tags").c_str()));
  ASSERT_GT(steps.size(), 20u);
  size_t before = 0;
  for (const auto& step : steps) {
    ASSERT_EQ(step.second, kilobytes);
    ASSERT_GE(step.first, before) << "after " << before;
    ASSERT_LE(step.first, step.second);
    before = step.first;
  }
  // Both halves read: the last figure is the whole file.
  EXPECT_EQ(before, kilobytes);
}

// The call that lets the workspace's listing begin: once per load, when every
// line is read and before any tag is made; never for a file not read.
TEST(TagSetLoad, LinesReadIsSaidOnceBeforeTheTagsAreMade) {
  const std::vector<std::string> lines = ManyLines(40000);
  std::string folder = FreshFolder("zr-tagset-lines-read");
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  ASSERT_TRUE(WriteFileBytes(folder + "tags", text));
  TagSet tags;
  std::vector<size_t> madeWhenSaid;
  tags.SetLinesRead([&] { madeWhenSaid.push_back(tags.tags().size()); });
  ASSERT_TRUE(tags.Load((folder + "tags").c_str()));
  EXPECT_EQ(madeWhenSaid, std::vector<size_t>{0});
  ASSERT_TRUE(tags.Reload());
  EXPECT_EQ(madeWhenSaid, (std::vector<size_t>{0, 0}));
  EXPECT_FALSE(tags.Load((folder + "missing").c_str()));
  EXPECT_EQ(madeWhenSaid.size(), 2u);
}

}  // namespace
