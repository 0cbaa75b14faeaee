// zorvoreg-xf: extra-files files written and read through the module.
#include <windows.h>
#include <gtest/gtest.h>
#include "ProgramRunner.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes += static_cast<char>(value);
  return bytes;
}

class XfTool : public ::testing::Test {
 protected:
  void SetUp() override { folder = FreshFolder("zr-xf-test"); }
  ProgramResult Xf(const std::string& command, const std::string& file, const std::string& input = "") {
    return RunProgram("zorvoreg-xf.exe", command + " \"" + folder + file + "\"", input);
  }
  std::string folder;
};

TEST_F(XfTool, WritesTheFileFormatByteForByte) {
  const std::string magic = "QXEF";
  ProgramResult empty = Xf("write", "empty.xf", "");
  EXPECT_EQ(empty.exitCode, 0) << empty.output;
  EXPECT_EQ(ReadFileBytes(folder + "empty.xf"), magic + Bytes({0x01, 0x00, 0x80, 0x40, 0x20, 0x10}));

  ProgramResult one = Xf("write", "abc.xf", "10 abc\n");
  EXPECT_EQ(one.exitCode, 0) << one.output;
  EXPECT_EQ(ReadFileBytes(folder + "abc.xf"),
            magic + Bytes({0x01, 0x00, 0x81, 0x40, 0x20, 0x10, 0x09, 0x07, 0x02, 0x60, 0xe2, 0x23}));

  ProgramResult two = Xf("write", "two.xf", "11 abc\r\n01 de\r\n");
  EXPECT_EQ(two.exitCode, 0) << two.output;
  EXPECT_EQ(ReadFileBytes(folder + "two.xf"),
            magic + Bytes({0x01, 0x00, 0x82, 0x40, 0x20, 0x10, 0x0b, 0x07, 0x02, 0x60, 0xe2, 0x23, 0x22, 0x12,
                           0x08, 0x60, 0x67}));
}

TEST_F(XfTool, DumpGivesBackWhatWriteWrote) {
  const std::string lines = "10 src\\main.cpp\n01 docs\\read me.txt\n11 a&b<c>.h\n00 \n00 plain\n";
  ASSERT_EQ(Xf("write", "list.xf", lines).exitCode, 0);
  ProgramResult dump = Xf("dump", "list.xf");
  EXPECT_EQ(dump.exitCode, 0);
  EXPECT_EQ(dump.output, lines);
  ProgramResult check = Xf("check", "list.xf");
  EXPECT_EQ(check.exitCode, 0);
  EXPECT_NE(check.output.find("accepted, 5 entries"), std::string::npos) << check.output;
}

TEST_F(XfTool, CheckAndDumpLeaveARejectedFileWhereItIs) {
  const std::string bad = "QXEF" + Bytes({0x02, 0x00, 0x80, 0x40, 0x20, 0x10});   // version 2
  ASSERT_TRUE(WriteFileBytes(folder + "bad.xf", bad));
  ProgramResult check = Xf("check", "bad.xf");
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_NE(check.output.find("rejected"), std::string::npos) << check.output;
  EXPECT_EQ(Xf("dump", "bad.xf").exitCode, 1);
  EXPECT_EQ(ReadFileBytes(folder + "bad.xf"), bad);
  EXPECT_FALSE(FileExists(folder + "bad.xf.old"));
  EXPECT_EQ(Xf("check", "missing.xf").exitCode, 1);
}

TEST_F(XfTool, BadInputWritesNothing) {
  EXPECT_EQ(Xf("write", "x.xf", "10 good\n1x bad\n").exitCode, 2);
  EXPECT_EQ(Xf("write", "x.xf", "10abc\n").exitCode, 2);
  EXPECT_FALSE(FileExists(folder + "x.xf"));
  EXPECT_EQ(RunProgram("zorvoreg-xf.exe", "frobnicate x").exitCode, 2);
  // A folder that does not exist: the tool says so instead of reporting success.
  EXPECT_EQ(Xf("write", "no\\such\\folder.xf", "10 a\n").exitCode, 1);
}

TEST_F(XfTool, AFileTheModuleWillNotReplaceIsLeftAsItWas) {
  const std::string old = "the previous list";
  ASSERT_TRUE(WriteFileBytes(folder + "kept.xf", old));
  ASSERT_TRUE(SetFileAttributesA((folder + "kept.xf").c_str(), FILE_ATTRIBUTE_READONLY));
  ProgramResult write = Xf("write", "kept.xf", "10 a\n");
  EXPECT_EQ(write.exitCode, 1) << write.output;
  EXPECT_NE(write.output.find("cannot be written"), std::string::npos) << write.output;
  SetFileAttributesA((folder + "kept.xf").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFileBytes(folder + "kept.xf"), old);
}

}  // namespace
