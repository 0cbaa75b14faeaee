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

// Removed definitions: Resize's, whose text no other line holds, gets the
// module's message; setnetgrent's, whose text the prototype of
// __nscd_setnetgrent still holds, gets none: the caret lands on that line
// and the host's status line says so, counted apart. By the tags file's
// lines every jump misses, each counted by its cause.
TEST(JumpCheckTool, AfterItsEditsUniquePatternsLandAndRemovedDefinitionsAreToldApart) {
  std::string folder = CopyFixtures("zr-jumpcheck-edit");
  ProgramResult run = RunProgram("zorvoreg-jumpcheck.exe", "--tags \"" + folder + "tags\" --edit");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const char* const figures[] = {
      "edited 1 files after tagging: 3 lines inserted at the top, 2 above the middle tag, "
      "1 definitions removed whose text is nowhere else, 1 whose text another line keeps\n",
      "pattern on one line:                 exact 10 of 10 (100.000 %)\n",
      "definition removed (message):        exact 1 of 1 (100.000 %)\n",
      "pattern on several lines:            exact 4 of 4 (100.000 %)\n",
      "definition removed, text left elsewhere: exact 1 of 1 (100.000 %)\n",
      "all tags, by cause:                  exact 16 of 16 (100.000 %)\n",
  };
  for (const char* figure : figures) EXPECT_NE(run.output.find(figure), std::string::npos) << figure << run.output;
  // The file now starts with the inserted lines and lacks both definitions,
  // not the prototypes.
  std::string text = ReadFileBytes(folder + "widgets.h");
  EXPECT_EQ(text.compare(0, 3, "// "), 0);
  EXPECT_EQ(text.find("int flagBits) {"), std::string::npos);
  EXPECT_NE(text.find("int flagBits);"), std::string::npos);
  EXPECT_EQ(text.find("\nsetnetgrent (const char *group)"), std::string::npos);
  EXPECT_NE(text.find("int __nscd_setnetgrent (const char *group);"), std::string::npos);

  std::string again = CopyFixtures("zr-jumpcheck-edit-lines");
  ProgramResult lines = RunProgram("zorvoreg-jumpcheck.exe", "--tags \"" + again + "tags\" --edit --lines --show 20");
  const char* const misses[] = {
      "all tags, by cause:                  exact 0 of 16 (0.000 %)\n"
      "    misses by cause: other 10 removed 2 repeated line 4\n",
      "definition removed, text left elsewhere: exact 0 of 1 (0.000 %)\n"
      "    misses by where the caret went: on another line, no word 1\n",
      "miss: setnetgrent (function) ",
  };
  for (const char* figure : misses) EXPECT_NE(lines.output.find(figure), std::string::npos) << figure << lines.output;
}

}  // namespace
