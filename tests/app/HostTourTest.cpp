// zorvoreg-host driven by the tour script (tour.txt, copied beside the test as
// app-tour.txt) on a copy of the fixtures: the script's own expectations
// make the exit code, and the transcript is checked here as well.
#include <gtest/gtest.h>
#include <windows.h>
#include "ProgramRunner.h"

namespace {

TEST(HostTour, FiltersJumpsMessagesAndSettingsAcrossARestart) {
  std::string workspace = FreshFolder("zr-tour");
  for (const char* file : {"shapes.h", "shapes.cpp", "tags"}) {
    ASSERT_TRUE(CopyFileA((BinFolder() + "app-fixtures\\" + file).c_str(), (workspace + file).c_str(), FALSE));
  }
  std::string folder = workspace.substr(0, workspace.size() - 1);
  ProgramResult run = RunProgram("zorvoreg-host.exe", "--workspace \"" + folder + "\" --profile \"" + workspace +
                                                          "host.ini\" --script \"" + BinFolder() + "app-tour.txt\"");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output.find("FAILED"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("script: done"), std::string::npos) << run.output;
  // The jump, the message and the histories as the person saw them.
  EXPECT_NE(run.output.find("editor: shapes.h line 8 of "), std::string::npos);
  EXPECT_NE(run.output.find("message box: \"Unable to find Draw.  Please save all files and refresh the tags.\""),
            std::string::npos);
  EXPECT_NE(run.output.find("tag filter history (1): \"Dra\""), std::string::npos);
  // The module saved its settings in the host's profile file.
  std::string profile = ReadFileBytes(workspace + "host.ini");
  EXPECT_NE(profile.find("TagEditList=Dra|"), std::string::npos) << profile;
  EXPECT_NE(profile.find("Sub3=222"), std::string::npos) << profile;
}

}  // namespace
