// The go-to-tag entry asks the host's tag for its file, line and search string
// as C++ member calls; the IDE is reached through COM as before.
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>
#include "tests/hostcalls/ModuleUnderTest.h"
#include "tests/tags/MessageBoxWatcher.h"

namespace {

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
  HostCalls().clear();

  EXPECT_EQ(Bool(CallEntry(Table()->goToTag, {Word(&alpha)})), 1);
  EXPECT_EQ(Ide().CaretLine(), 2);
  EXPECT_EQ(Bool(CallEntry(Table()->goToTag, {Word(&beta)})), 1);
  EXPECT_EQ(Ide().CaretLine(), 3);
  EXPECT_EQ(Table()->getLastTag(), static_cast<void*>(&beta));

  const std::vector<std::string> expected = {"alpha.3()", "alpha.7()", "beta.3()", "beta.7()", "beta.4()"};
  EXPECT_EQ(DescribeCalls(), expected);
  EXPECT_EQ(UnsteadyCallSites(), std::vector<std::string>());
}

TEST_F(GoToTagCalls, PatternNotFoundAsksTheTagForItsNameAsAMember) {
  StubTag gamma("gamma");
  gamma.fileName = m_file;
  gamma.searchString = "^int gamma()$";
  MessageBoxWatcher boxes;
  HostCalls().clear();

  EXPECT_EQ(Bool(CallEntry(Table()->goToTag, {Word(&gamma)})), 0);
  boxes.Stop();

  const std::vector<std::string> expected = {"gamma.3()", "gamma.7()", "gamma.4()", "gamma.2()"};
  EXPECT_EQ(DescribeCalls(), expected);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0].rfind("Unable to find gamma.", 0), 0u) << boxes.Texts()[0];
}

}  // namespace
