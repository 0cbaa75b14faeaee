// The script's edit command, a change made to a workspace file after its
// tags were written: one line replaced, every other byte kept, and a file
// that cannot be read, has no such line or cannot be written fails the
// command (and the script) with the file as it was.
#include <gtest/gtest.h>
#include <windows.h>
#include "ProgramRunner.h"

namespace {

TEST(HostScriptEdit, ReplacesOneLineKeepingTheRestAndFailsWhereItCannot) {
  std::string folder = FreshFolder("zr-edit");
  ASSERT_TRUE(CopyFileA((BinFolder() + "app-fixtures\\tags").c_str(), (folder + "tags").c_str(), FALSE));
  // Line ends of both kinds, and no line end after the last line.
  ASSERT_TRUE(WriteFileBytes(folder + "mixed.txt", "one\r\ntwo\r\nthree\nfour"));
  ASSERT_TRUE(WriteFileBytes(folder + "held.txt", "kept\n"));
  ASSERT_TRUE(WriteFileBytes(folder + "s.txt",
                             "edit mixed.txt 2 TWO  spaced\n"
                             "edit mixed.txt 4 FOUR\n"
                             "edit mixed.txt 5 beyond\n"
                             "edit missing.txt 1 x\n"
                             "edit held.txt 1 changed\n"));
  // Another program holds held.txt open for reading and lets nobody write it.
  HANDLE held = CreateFileA((folder + "held.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ProgramResult run = RunProgram("zorvoreg-host.exe", "--workspace \"" + folder.substr(0, folder.size() - 1) +
                                                          "\" --profile \"" + folder + "p.ini\" --script \"" +
                                                          folder + "s.txt\"");
  CloseHandle(held);

  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("mixed.txt line 2 was: two\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("mixed.txt line 2 now: TWO  spaced\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("mixed.txt line 4 was: four\n"), std::string::npos) << run.output;
  EXPECT_EQ(ReadFileBytes(folder + "mixed.txt"), "one\r\nTWO  spaced\r\nthree\nFOUR");
  EXPECT_NE(run.output.find("FAILED: no line 5 in mixed.txt"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("FAILED: cannot read missing.txt"), std::string::npos) << run.output;
  EXPECT_FALSE(FileExists(folder + "missing.txt"));
  EXPECT_NE(run.output.find("FAILED: cannot write held.txt"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("held.txt line 1 now"), std::string::npos) << run.output;
  EXPECT_EQ(ReadFileBytes(folder + "held.txt"), "kept\n");
}

}  // namespace
