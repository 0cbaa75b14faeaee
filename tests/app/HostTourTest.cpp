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

namespace {

TEST(HostCommandLine, BadOptionsAndAMissingScriptStopBeforeAnyWindow) {
  ProgramResult unknown = RunProgram("zorvoreg-host.exe", "--frobnicate");
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.output.find("unknown option: --frobnicate"), std::string::npos) << unknown.output;
  ProgramResult missingValue = RunProgram("zorvoreg-host.exe", "--workspace");
  EXPECT_EQ(missingValue.exitCode, 2);
  EXPECT_NE(missingValue.output.find("missing value for --workspace"), std::string::npos) << missingValue.output;
  ProgramResult noScript = RunProgram("zorvoreg-host.exe", "--script \"" + BinFolder() + "no-such-script.txt\"");
  EXPECT_EQ(noScript.exitCode, 2);
  EXPECT_NE(noScript.output.find("cannot read the script"), std::string::npos) << noScript.output;
}

TEST(HostCommandLine, AScriptWithAnUnknownCommandOrAFailedExpectationFails) {
  std::string folder = FreshFolder("zr-bad-script");
  ASSERT_TRUE(WriteFileBytes(folder + "s.txt", "echo hello\nexpect goodbye\nfrobnicate\n"));
  ASSERT_TRUE(CopyFileA((BinFolder() + "app-fixtures\\tags").c_str(), (folder + "tags").c_str(), FALSE));
  ProgramResult run = RunProgram("zorvoreg-host.exe", "--workspace \"" + folder.substr(0, folder.size() - 1) +
                                                          "\" --profile \"" + folder + "p.ini\" --script \"" +
                                                          folder + "s.txt\"");
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("FAILED: expected \"goodbye\""), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("FAILED: unknown command: frobnicate"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("script: FAILED"), std::string::npos) << run.output;
}

}  // namespace
