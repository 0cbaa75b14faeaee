#include <gtest/gtest.h>

#include <string>

#include "ProfileFixture.h"

using fwtest::ReadAll;
using fwtest::TempFolder;
using fwtest::WriteAll;

TEST_F(ProfileStore, MissingValuesReadAsDefaults) {
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList", "dflt"), "dflt");
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "");
  EXPECT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000064", "Sub1", -5), -5);
  ASSERT_TRUE(theApp.WriteProfileString("Config", "Other", "x"));
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList", "dflt"), "dflt");
  EXPECT_EQ(theApp.GetProfileInt("Config", "Other", 42), 42);   // not a number
}

TEST_F(ProfileStore, StringsAndIntegersRoundTrip) {
  ASSERT_TRUE(theApp.WriteProfileInt("WindowPositions\\ID=0x00000064", "Sub1", 120));
  ASSERT_TRUE(theApp.WriteProfileInt("WindowPositions\\ID=0x00000064", "Sub1_5", -37));
  ASSERT_TRUE(theApp.WriteProfileInt("WindowPositions\\ID=0x00000065", "Sub1", -2147483647 - 1));
  ASSERT_TRUE(theApp.WriteProfileString("Config", "FilenameEditList", "  main.cpp|a b |%s|C:\\x\\y.h| "));
  ASSERT_TRUE(theApp.WriteProfileString("Config", "Empty", ""));
  ASSERT_TRUE(theApp.WriteProfileString("Config", "Lines", "one\r\ntwo\nthree\r%0D="));
  ASSERT_TRUE(theApp.WriteProfileString("Config", "[odd;=key", "v"));

  EXPECT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000064", "Sub1", 0), 120);
  EXPECT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000064", "Sub1_5", 0), -37);
  EXPECT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000065", "Sub1", 0), -2147483647 - 1);
  EXPECT_EQ(theApp.GetProfileString("Config", "FilenameEditList"), "  main.cpp|a b |%s|C:\\x\\y.h| ");
  EXPECT_EQ(theApp.GetProfileString("Config", "Empty", "dflt"), "");
  EXPECT_EQ(theApp.GetProfileString("Config", "Lines"), "one\r\ntwo\nthree\r%0D=");
  EXPECT_EQ(theApp.GetProfileString("Config", "[odd;=key"), "v");
  // Names compare without regard to letter case; the backslash section is its own.
  EXPECT_EQ(theApp.GetProfileInt("windowpositions\\id=0X00000064", "SUB1", 0), 120);
  EXPECT_EQ(theApp.GetProfileInt("WindowPositions", "Sub1", 7), 7);

  // Overwrite and removal.
  ASSERT_TRUE(theApp.WriteProfileInt("WindowPositions\\ID=0x00000064", "sub1", 99));
  EXPECT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000064", "Sub1", 0), 99);
  ASSERT_TRUE(theApp.WriteProfileString("Config", "Empty", nullptr));
  EXPECT_EQ(theApp.GetProfileString("Config", "Empty", "gone"), "gone");
  ASSERT_TRUE(theApp.WriteProfileString("WindowPositions\\ID=0x00000065", nullptr, nullptr));
  EXPECT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000065", "Sub1", 3), 3);
  EXPECT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000064", "Sub1_5", 0), -37);

  // The file reads as an ordinary INI file.
  std::string text = ReadAll(m_path);
  EXPECT_NE(text.find("[WindowPositions\\ID=0x00000064]\r\nSub1=99\r\nSub1_5=-37\r\n"), std::string::npos);
  EXPECT_NE(text.find("FilenameEditList=  main.cpp|a b |%25s|C:\\x\\y.h| \r\n"), std::string::npos);
}

TEST_F(ProfileStore, LargeValueRoundTrips) {
  std::string value;
  for (int i = 0; value.size() < (1u << 20); ++i) value += " entry" + std::to_string(i) + " |";
  ASSERT_TRUE(theApp.WriteProfileString("Config", "TagEditList", value.c_str()));
  ASSERT_TRUE(theApp.WriteProfileString("Config", "TagParentEditList", "p|"));
  CString back = theApp.GetProfileString("Config", "TagEditList");
  EXPECT_EQ(back.GetLength(), static_cast<int>(value.size()));
  EXPECT_TRUE(back == value.c_str());
}

TEST_F(ProfileStore, OtherProcessesSeeWritesAndViceVersa) {
  ASSERT_TRUE(theApp.WriteProfileString("Config", "FilenameEditList", "a|b c |"));
  EXPECT_EQ(RunHelper("read", "config", "filenameeditlist", "a|b c |"), 0);
  EXPECT_EQ(RunHelper("read", "Config", "FilenameEditList", "other"), 1);
  // Written by the other process; this one sees it and keeps its own values.
  EXPECT_EQ(RunHelper("write", "WindowPositions\\ID=0x00000064", "Sub2", "-15"), 0);
  EXPECT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000064", "Sub2", 0), -15);
  EXPECT_EQ(theApp.GetProfileString("Config", "FilenameEditList"), "a|b c |");
}

TEST_F(ProfileStore, InterruptedOrRefusedWritesLeaveTheOldFile) {
  ASSERT_TRUE(theApp.WriteProfileString("Config", "TagEditList", "kept|"));
  ASSERT_TRUE(theApp.WriteProfileInt("WindowPositions\\ID=0x00000064", "Sub1", 50));
  std::string before = ReadAll(m_path);

  // A crashed writer's half-written temporary file is ignored.
  WriteAll(m_folder.File("~pf1234.tmp"), "[Config]\r\nTagEditList=trunc");
  ASSERT_TRUE(theApp.WriteProfileInt("WindowPositions\\ID=0x00000064", "Sub2", 60));
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "kept|");
  EXPECT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000064", "Sub1", 0), 50);
  before = ReadAll(m_path);

  // The file cannot be read (held exclusively): nothing is written over it.
  HANDLE holder = CreateFileA(m_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(theApp.WriteProfileString("Config", "TagEditList", "new|"));
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList", "unreadable"), "unreadable");
  CloseHandle(holder);
  EXPECT_EQ(ReadAll(m_path), before);

  // A read-only file refuses the replacement; the old content stays readable.
  ASSERT_TRUE(SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(theApp.WriteProfileString("Config", "TagEditList", "new|"));
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "kept|");
  EXPECT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000064", "Sub2", 0), 60);
  SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);

  // No temporary file of ours is left behind.
  int leftovers = 0;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((m_folder.Path() + "\\~pf*.tmp").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do ++leftovers;
    while (FindNextFileA(search, &found));
    FindClose(search);
  }
  EXPECT_EQ(leftovers, 1);   // only the planted one
}

TEST_F(ProfileStore, HandEditedFilesAreReadAndKept) {
  WriteAll(m_path, "; settings\n[Config]\nTagEditList=a|b|\n; note\nbad line\n[Other]\nk=v\n");
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "a|b|");
  ASSERT_TRUE(theApp.WriteProfileString("Config", "TagEditList", "c|"));
  std::string text = ReadAll(m_path);
  EXPECT_EQ(text, "; settings\r\n\r\n[Config]\r\nTagEditList=c|\r\n; note\r\nbad line\r\n\r\n[Other]\r\nk=v\r\n");
}

// A section's name runs to the last ']' of its line (what follows is dropped),
// or to the line's end when there is none.
TEST_F(ProfileStore, ASectionNameRunsToTheLastClosingBracket) {
  WriteAll(m_path, "[Paths [x]] old\nk=1\n[Open\nk=2\n[]\nk=3\n");
  EXPECT_EQ(theApp.GetProfileString("Paths [x]", "k"), "1");
  EXPECT_EQ(theApp.GetProfileString("Open", "k"), "2");
  EXPECT_EQ(theApp.GetProfileString("", "k"), "3");
}

TEST(ProfileStoreUnset, NoPathReadsDefaultsAndRefusesWrites) {
  CWinApp& app = theApp;
  app.SetProfilePath("");
  EXPECT_EQ(app.GetProfileString("Config", "x", "d"), "d");
  EXPECT_FALSE(app.WriteProfileString("Config", "x", "v"));
}
