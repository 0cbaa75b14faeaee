// A large tags file read the fast way (one read, the lines parsed on two
// threads, files and names found through hashes) gives the tags, in file
// order, that the same lines give a few at a time.
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>
#include "ProgramRunner.h"
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

}  // namespace
