// The go-to-tag entry asks the host's tag for its file, line and search string
// as C++ member calls; the IDE is reached through COM as before.
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>
#include "tests/hostcalls/ModuleUnderTest.h"
#include "tests/tags/MessageBoxWatcher.h"

namespace {

// By line, then by pattern: file name and line, and the search string where the line is -1.
const Expected kTwoJumps[] = {
    {"alpha", 3, "GetFileName", ""},
    {"alpha", 7, "GetLine", ""},
    {"beta", 3, "GetFileName", ""},
    {"beta", 7, "GetLine", ""},
    {"beta", 4, "GetSearchString", ""},
};

// Not found: the name for the message.
const Expected kNotFound[] = {
    {"gamma", 3, "GetFileName", ""},
    {"gamma", 7, "GetLine", ""},
    {"gamma", 4, "GetSearchString", ""},
    {"gamma", 2, "GetName", ""},
};

class GoToTagCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    m_file = TempFileName("cpp");
    FILE* file = std::fopen(m_file, "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("// sample\r\nint alpha() { return 1; }\r\nint beta() { return 2; }\r\n", file);
    std::fclose(file);
  }
  void TearDown() override { DeleteFileA(m_file); }

  CString m_file;
};

TEST_F(GoToTagCalls, ByLineAndByPatternTheTagIsCalledAsAMember) {
  StubTag alpha("alpha");
  alpha.fileName = m_file;
  alpha.line = 2;
  StubTag beta("beta");
  beta.fileName = m_file;
  beta.searchString = "^int beta() { return 2; }$";
  ClearHostCalls();

  EXPECT_EQ(Bool(CallEntry(Table()->goToTag, {Word(&alpha)})), 1);
  EXPECT_EQ(Ide().CaretLine(), 2);
  EXPECT_EQ(Bool(CallEntry(Table()->goToTag, {Word(&beta)})), 1);
  EXPECT_EQ(Ide().CaretLine(), 3);
  EXPECT_EQ(Table()->getLastTag(), static_cast<void*>(&beta));

  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kTwoJumps));
  EXPECT_EQ(UnsteadyCallSites(), std::vector<std::string>());
}

TEST_F(GoToTagCalls, PatternNotFoundAsksTheTagForItsNameAsAMember) {
  StubTag gamma("gamma");
  gamma.fileName = m_file;
  gamma.searchString = "^int gamma()$";
  MessageBoxWatcher boxes;
  ClearHostCalls();

  EXPECT_EQ(Bool(CallEntry(Table()->goToTag, {Word(&gamma)})), 0);
  boxes.Stop();

  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kNotFound));
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0].rfind("Unable to find gamma.", 0), 0u) << boxes.Texts()[0];
}

}  // namespace
