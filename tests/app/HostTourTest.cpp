// zorvoreg-host driven by the tour script (tour.txt, copied beside the test as
// app-tour.txt) on a copy of the fixtures: the script's own expectations
// make the exit code, and the transcript is checked here as well.
#include <gtest/gtest.h>
#include <windows.h>
#include <thread>
#include "CtrlBlock.h"
#include "ProgramRunner.h"

namespace {

TEST(HostTour, FiltersJumpsMessagesAndSettingsAcrossARestart) {
  std::string workspace = FreshFolder("zr-tour");
  for (const char* file : {"shapes.h", "shapes.cpp", "tags"}) {
    ASSERT_TRUE(CopyFileA((BinFolder() + "app-fixtures\\" + file).c_str(), (workspace + file).c_str(), FALSE));
  }
  // A file in a folder, for the file picker's path filter.
  CreateDirectoryA((workspace + "lib").c_str(), nullptr);
  CreateDirectoryA((workspace + "lib\\nested").c_str(), nullptr);
  ASSERT_TRUE(WriteFileBytes(workspace + "lib\\nested\\deep.c", "int deep;\n"));
  std::string folder = workspace.substr(0, workspace.size() - 1);
  std::string options = "--workspace \"" + folder + "\" --profile \"" + workspace + "host.ini\" --script ";
  ProgramResult run = RunProgram("zorvoreg-host.exe", options + "\"" + BinFolder() + "app-tour.txt\"");
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
  EXPECT_NE(profile.find("TagEditList=Col|Dra|"), std::string::npos) << profile;
  EXPECT_NE(profile.find("Sub3=222"), std::string::npos) << profile;
  // The host kept the tag browser's size in its own section, and the next
  // run opens it at that size.
  EXPECT_NE(profile.find("[HostDialogSize\\ID=0x000007d2]\r\nWidth=1000\r\nHeight=600"), std::string::npos) << profile;
  ASSERT_TRUE(WriteFileBytes(workspace + "again.txt", "open tags\nsize tags\nexpect tag browser 1000 x 600\n"));
  ProgramResult again = RunProgram("zorvoreg-host.exe", options + "\"" + workspace + "again.txt\"");
  EXPECT_EQ(again.exitCode, 0) << again.output;
}

}  // namespace

namespace {

TEST(HostCommandLine, HelpPrintsTheUsageAndACtagsCommandThatNamesARealOptionsFile) {
  ProgramResult help = RunProgram("zorvoreg-host.exe", "--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.output.find("usage: zorvoreg-host"), 0u) << help.output;
  EXPECT_NE(help.output.find("--script FILE"), std::string::npos);
  EXPECT_NE(help.output.find("Ctrl+T"), std::string::npos);
  size_t command = help.output.find("ctags --options=/");
  ASSERT_NE(command, std::string::npos) << help.output;
  size_t start = command + std::string("ctags --options=").size();
  std::string options = help.output.substr(start, help.output.find(' ', start) - start);
  EXPECT_EQ(help.output.substr(help.output.find(' ', start), 17), " -f tags -R .\n") << help.output;
  // A Linux path: Wine shows it under drive Z:.
  std::string windowsPath = "Z:" + options;
  for (char& ch : windowsPath) ch = ch == '/' ? '\\' : ch;
  EXPECT_TRUE(FileExists(windowsPath)) << windowsPath;
  EXPECT_EQ(RunProgram("zorvoreg-host.exe", "-h").output, help.output);
}

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
  ASSERT_TRUE(WriteFileBytes(folder + "s.txt", "echo hello\nexpect goodbye\nfrobnicate\nopen tags\nexpect narrowed\n"
                                               "echo 5 of 4 tags\nexpect narrowed\n"));
  ASSERT_TRUE(CopyFileA((BinFolder() + "app-fixtures\\tags").c_str(), (folder + "tags").c_str(), FALSE));
  ProgramResult run = RunProgram("zorvoreg-host.exe", "--workspace \"" + folder.substr(0, folder.size() - 1) +
                                                          "\" --profile \"" + folder + "p.ini\" --script \"" +
                                                          folder + "s.txt\"");
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("FAILED: expected \"goodbye\""), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("FAILED: unknown command: frobnicate"), std::string::npos) << run.output;
  // Every tag in view is no narrowing; a line without the status line's form counts nothing.
  EXPECT_NE(run.output.find("FAILED: expected the filters to narrow the list: 22 of 22"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("FAILED: expected a status line \"N of M\""), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("script: FAILED"), std::string::npos) << run.output;
}

TEST(HostCommandLine, AKeyThatNeverGetsCtrlHeldFailsTheScript) {
  std::string folder = FreshFolder("zr-no-ctrl");
  ASSERT_TRUE(WriteFileBytes(folder + "s.txt", "open tags\nkey Ctrl+End\nkey Down\n"));
  ASSERT_TRUE(CopyFileA((BinFolder() + "app-fixtures\\tags").c_str(), (folder + "tags").c_str(), FALSE));
  // This thread handles its messages (the block's hook) until the host is done.
  CtrlBlock block;
  ASSERT_TRUE(block.active());
  ProgramResult run;
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread host([&]() {
    run = RunProgram("zorvoreg-host.exe", "--workspace \"" + folder.substr(0, folder.size() - 1) + "\" --profile \"" +
                                              folder + "p.ini\" --script \"" + folder + "s.txt\"");
    SetEvent(done);
  });
  while (MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  host.join();
  CloseHandle(done);
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("FAILED: the key Ctrl+End did not go through with Ctrl held"), std::string::npos)
      << run.output;
  // Keys without Ctrl still go through.
  EXPECT_NE(run.output.find("row 0 selected"), std::string::npos) << run.output;
}

// F5 with the tag browser open: the browser holds the tags read again; a
// tags file that cannot be read leaves no tags and the status line says why.
TEST(HostReload, TheBrowserGetsTheTagsReadAgainAndAFileThatCannotBeReadIsNamed) {
  std::string workspace = FreshFolder("zr-reload");
  for (const char* file : {"shapes.h", "shapes.cpp", "tags"}) {
    ASSERT_TRUE(CopyFileA((BinFolder() + "app-fixtures\\" + file).c_str(), (workspace + file).c_str(), FALSE));
  }
  std::string folder = workspace.substr(0, workspace.size() - 1);
  ASSERT_TRUE(WriteFileBytes(workspace + "f5.txt", "open tags\ntype tag radius\nkey tag F5\nrows\nreload\n"));
  ProgramResult run = RunProgram("zorvoreg-host.exe", "--workspace \"" + folder + "\" --profile \"" + workspace +
                                                          "host.ini\" --script \"" + workspace + "f5.txt\"");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  size_t f5 = run.output.find("> key tag F5");
  ASSERT_NE(f5, std::string::npos) << run.output;
  EXPECT_NE(run.output.find("status line \"1 of ", f5), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("status line: ", f5), std::string::npos) << run.output;

  ProgramResult missing = RunProgram("zorvoreg-host.exe", "--workspace \"" + folder + "\" --tags \"" + workspace +
                                                              "gone.tags\" --profile \"" + workspace + "host.ini\" --script \"" +
                                                              workspace + "f5.txt\"");
  EXPECT_NE(missing.output.find("tags read again: 0 tags"), std::string::npos) << missing.output;
  EXPECT_NE(missing.output.find("status line: F5: the tags file " + workspace + "gone.tags cannot be opened; no tags."),
            std::string::npos)
      << missing.output;
}

}  // namespace
