// The host application's small pieces: command line, key names, flag digits
// and the rows as the transcript prints them.
#include <gtest/gtest.h>
#include "host/app/ExtraFilesController.h"
#include "host/app/HostOptions.h"
#include "host/script/KeyInput.h"
#include "host/script/ListRows.h"

namespace {

TEST(HostOptions, ParsesEveryOptionAndRejectsTheRest) {
  HostOptions options;
  std::string error;
  ASSERT_TRUE(options.Parse({"--workspace", "/src", "--tags", "t", "--profile", "p.ini", "--extra-files", "x.xf",
                             "--script", "s.txt", "--lines"},
                            error));
  EXPECT_EQ(options.workspace, "/src");
  EXPECT_EQ(options.tags, "t");
  EXPECT_EQ(options.profile, "p.ini");
  EXPECT_EQ(options.extraFiles, "x.xf");
  EXPECT_EQ(options.script, "s.txt");
  EXPECT_TRUE(options.jumpByLine);

  HostOptions bad;
  EXPECT_FALSE(bad.Parse({"--tags"}, error));
  EXPECT_EQ(error, "missing value for --tags");
  EXPECT_FALSE(bad.Parse({"--tags", ""}, error));
  EXPECT_FALSE(bad.Parse({"tags"}, error));
  EXPECT_EQ(error, "unknown option: tags");
}

TEST(HostOptions, CompleteMakesFullPathsAndDefaults) {
  HostOptions options;
  std::string error;
  ASSERT_TRUE(options.Parse({"--workspace", "/tmp/ws/", "--profile", "C:\\p.ini"}, error));
  options.Complete();
  EXPECT_EQ(options.workspace, "Z:\\tmp\\ws");
  EXPECT_EQ(options.tags, "Z:\\tmp\\ws\\tags");
  EXPECT_EQ(options.extraFiles, "Z:\\tmp\\ws\\zorvoreg.xf");
  EXPECT_EQ(options.profile, "C:\\p.ini");
  EXPECT_EQ(FullPath("C:\\a\\..\\b"), "C:\\b");
}

TEST(KeyInput, KeyNames) {
  KeyStroke key;
  ASSERT_TRUE(ParseKeyName("Ctrl+End", key));
  EXPECT_EQ(key.vk, static_cast<UINT>(VK_END));
  EXPECT_TRUE(key.ctrl);
  ASSERT_TRUE(ParseKeyName("PageDown", key));
  EXPECT_EQ(key.vk, static_cast<UINT>(VK_NEXT));
  EXPECT_FALSE(key.ctrl);
  ASSERT_TRUE(ParseKeyName("F5", key));
  EXPECT_EQ(key.vk, static_cast<UINT>(VK_F5));
  ASSERT_TRUE(ParseKeyName("Ctrl+t", key));
  EXPECT_EQ(key.vk, static_cast<UINT>('T'));
  EXPECT_TRUE(key.ctrl);
  EXPECT_FALSE(ParseKeyName("Hyper+X", key));
  EXPECT_FALSE(ParseKeyName("Ctrl+", key));
  EXPECT_FALSE(ParseKeyName("", key));
}

TEST(ExtraFilesController, FlagDigitsAreBitZeroThenBitOne) {
  unsigned char flags = 0xFF;
  ASSERT_TRUE(ExtraFilesController::ParseFlagDigits("10", flags));
  EXPECT_EQ(flags, 1);
  ASSERT_TRUE(ExtraFilesController::ParseFlagDigits("01", flags));
  EXPECT_EQ(flags, 2);
  ASSERT_TRUE(ExtraFilesController::ParseFlagDigits("11", flags));
  EXPECT_EQ(flags, 3);
  for (const char* bad : {"", "1", "111", "12", "x0", "0 "}) {
    EXPECT_FALSE(ExtraFilesController::ParseFlagDigits(bad, flags)) << bad;
  }
  EXPECT_EQ(ExtraFilesController::FlagDigits(0), "00");
  EXPECT_EQ(ExtraFilesController::FlagDigits(1), "10");
  EXPECT_EQ(ExtraFilesController::FlagDigits(2), "01");
  // Bits 2 to 7 carry nothing.
  EXPECT_EQ(ExtraFilesController::FlagDigits(0xFD), "10");
}

TEST(ListRows, TheSelectedRowIsMarked) {
  ListView view;
  view.selected = 4;
  view.rows = {3, 4};
  view.cells = {{"Function", "ns", "Box", "Draw"}, {"Decl", "", "Box", "Draw"}};
  std::vector<std::string> lines = FormatRows(view);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "  3: Function | ns | Box | Draw");
  EXPECT_EQ(lines[1], "> 4: Decl |  | Box | Draw");
}

}  // namespace
