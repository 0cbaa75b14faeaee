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
    ASSERT_EQ(a->name, b->name) << i;
    ASSERT_EQ(a->searchString, b->searchString) << i;
    ASSERT_EQ(a->fileName, b->fileName) << i;
    ASSERT_EQ(whole.entries()[i].line, static_cast<int>(i) + 1);
    ASSERT_EQ(a->scope, b->scope) << i;
    ASSERT_EQ(a->parent == nullptr, b->parent == nullptr) << i;
    if (a->parent) {
      ASSERT_EQ(a->parent->name, b->parent->name) << i;
    }
  }
  // Members find their class in the same file; every file is one object.
  TagEntry* member = whole.tags()[4];
  EXPECT_EQ(member->name, CString("member4"));
  ASSERT_NE(member->parent, nullptr);
  EXPECT_EQ(member->parent->name, CString("Class3"));
  EXPECT_EQ(member->scope, CString("ns::Class3"));
  EXPECT_EQ(whole.tags()[0]->file, whole.tags()[150]->file);
  EXPECT_NE(whole.tags()[0]->file, whole.tags()[3]->file);
  EXPECT_EQ(std::string(whole.tags()[7]->fileName), folder + "src\\part6.cpp");
}

// The progress of a load as the console line shows it: beyond 92,700 lines
// (glibc's tags have 126,602) a product of two line counts no longer fits in
// 32 bits, and the figure must still only grow.
TEST(TagSetLoad, TheProgressOfALargeLoadOnlyGrowsAndStaysWithinItsTotal) {
  const size_t count = 130000;
  std::vector<std::string> lines(count, "!_TAG_PROGRAM_NAME\tUniversal Ctags\t//");
  std::vector<std::pair<size_t, size_t>> steps;
  TagSet tags;
  tags.SetProgress([&](size_t done, size_t total) { steps.emplace_back(done, total); });
  tags.AddLines(lines, "C:\\");
  ASSERT_GT(steps.size(), 20u);
  size_t before = 0;
  for (const auto& step : steps) {
    ASSERT_EQ(step.second, 2 * count);
    ASSERT_GE(step.first, before) << "after " << before;
    ASSERT_LE(step.first, step.second);
    before = step.first;
  }
  // The parsing half reaches the middle; making tags reaches the end.
  EXPECT_GT(before, count + count / 2);
}

}  // namespace
