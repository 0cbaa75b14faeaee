// zorvoreg-jumpcheck on a copy of the tagged fixtures: its figures for the
// tree as tagged, and after it edited the tree itself.
#include <gtest/gtest.h>
#include <windows.h>
#include "tests/app/ProgramRunner.h"

namespace {

std::string CopyFixtures(const std::string& name) {
  std::string folder = FreshFolder(name);
  for (const char* file : {"widgets.h", "tags"}) {
    EXPECT_TRUE(CopyFileA((BinFolder() + "jump-fixtures\\" + file).c_str(), (folder + file).c_str(), FALSE));
  }
  return folder;
}

TEST(JumpCheckTool, EveryTagOfTheTreeAsTaggedLandsOnItsLine) {
  std::string folder = CopyFixtures("zr-jumpcheck");
  ProgramResult run = RunProgram("zorvoreg-jumpcheck.exe", "--tags \"" + folder + "tags\"");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("16 tags the browser shows"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("all tags:                            exact 16 of 16 (100.000 %)"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("pattern on several lines:            exact 4 of 4"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("4 jumps went by line"), std::string::npos) << run.output;
  // The module searching every pattern misses the four that go by line.
  ProgramResult search = RunProgram("zorvoreg-jumpcheck.exe", "--tags \"" + folder + "tags\" --search");
  EXPECT_NE(search.output.find("all tags:                            exact 12 of 16"), std::string::npos)
      << search.output;
  EXPECT_NE(search.output.find("miss: Draw (prototype)"), std::string::npos) << search.output;
}

TEST(JumpCheckTool, AfterItsEditsUniquePatternsLandAndTheRemovedDefinitionGetsTheMessage) {
  std::string folder = CopyFixtures("zr-jumpcheck-edit");
  ProgramResult run = RunProgram("zorvoreg-jumpcheck.exe", "--tags \"" + folder + "tags\" --edit");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("edited 1 files after tagging: 3 lines inserted at the top, 2 above the middle tag, "
                            "1 definitions removed"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("pattern on one line:                 exact 11 of 11 (100.000 %)"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("definition removed (message):        exact 1 of 1 (100.000 %)"), std::string::npos)
      << run.output;
  // The file now starts with the inserted lines and lacks Resize's definition.
  std::string text = ReadFileBytes(folder + "widgets.h");
  EXPECT_EQ(text.compare(0, 3, "// "), 0);
  EXPECT_EQ(text.find("int flagBits) {"), std::string::npos);
  EXPECT_NE(text.find("int flagBits);"), std::string::npos);
}

}  // namespace
