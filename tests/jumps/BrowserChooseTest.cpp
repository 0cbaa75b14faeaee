// zorvoreg-host's tag browser on a copy of the tagged fixtures: a tag chosen
// with Enter goes to the module with the line the host picked for it, and
// the main window's status line says when the definition is not where the
// tags say.
#include <gtest/gtest.h>
#include <windows.h>
#include "tests/app/ProgramRunner.h"

namespace {

// A fresh folder holding the jump fixtures' widgets.h and its tags.
std::string FixtureCopy(const char* name) {
  std::string folder = FreshFolder(name);
  for (const char* file : {"widgets.h", "tags"}) {
    EXPECT_TRUE(CopyFileA((BinFolder() + "jump-fixtures\\" + file).c_str(), (folder + file).c_str(), FALSE)) << file;
  }
  return folder;
}

// zorvoreg-host on that folder as its workspace, running its choose.txt.
ProgramResult RunChooseScript(const std::string& folder) {
  std::string workspace = folder.substr(0, folder.size() - 1);
  return RunProgram("zorvoreg-host.exe", "--workspace \"" + workspace + "\" --profile \"" + folder +
                                             "host.ini\" --script \"" + folder + "choose.txt\"");
}

TEST(BrowserChoose, EnterJumpsToTheRepeatedLineAndTheCutDefineOfTheChosenTag) {
  std::string folder = FixtureCopy("zr-browser-choose");
  // Square's Draw has Circle's line above it; HEIGHT's cut pattern is in a comment above it.
  ASSERT_TRUE(WriteFileBytes(folder + "choose.txt",
                             "open tags\ntype parent Square\ntype tag Draw\nkey Down\nchoose\n"
                             "expect editor: widgets.h line 23 of\n"
                             "open tags\nclear parent\ntype tag HEIGHT\nkey Down\nchoose\n"
                             "expect editor: widgets.h line 9 of\n"));
  ProgramResult run = RunChooseScript(folder);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("script: done"), std::string::npos) << run.output;
}

TEST(BrowserChoose, ADefinitionRemovedAfterTaggingIsToldInTheStatusLine) {
  std::string folder = FixtureCopy("zr-browser-removed");
  // setnetgrent's definition line replaced: the prototype on line 26 keeps its text.
  ASSERT_TRUE(WriteFileBytes(folder + "choose.txt",
                             "edit widgets.h 28 int unrelated (void)\n"
                             "open tags\ntype tag setnetgrent\nkey Down\nkey Down\nchoose\n"
                             "expect status line: setnetgrent: not found where the tags say (line 28)\n"
                             "expect go to tag setnetgrent: shown\nexpect editor: widgets.h line 26 of\n"
                             "open tags\nclear tag\ntype tag Perimeter\nchoose\n"
                             "expect editor: widgets.h line 39 of\n"));
  ProgramResult run = RunChooseScript(folder);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("script: done"), std::string::npos) << run.output;
  // The next jump, to a line that is where the tags say, clears it.
  size_t perimeter = run.output.find("go to tag Perimeter");
  ASSERT_NE(perimeter, std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("status line: ", perimeter), std::string::npos) << run.output;
}

}  // namespace
