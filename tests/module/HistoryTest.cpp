// LoadHistory and SaveHistory on the lists themselves, over the test
// program's profile store.
#include <gtest/gtest.h>
#include <chrono>
#include <string>
#include <vector>
#include "fw/WinApp.h"
#include "module/History.h"

namespace {

const char kKey[] = "UnitTestList";

std::vector<std::string> Entries(const CStringArray& list) {
  std::vector<std::string> entries;
  for (int i = 0; i < list.GetSize(); ++i) entries.push_back(static_cast<const char*>(list[i]));
  return entries;
}

std::vector<std::string> Loaded(const char* stored) {
  AfxGetApp()->WriteProfileString("Config", kKey, stored);
  CStringArray list;
  LoadHistory(list, kKey);
  return Entries(list);
}

using V = std::vector<std::string>;

TEST(History, LoadSplitsAtEverySeparator) {
  EXPECT_EQ(Loaded("alpha|beta|"), (V{"alpha", "beta"}));
  EXPECT_EQ(Loaded("alpha|beta"), (V{"alpha", "beta"}));
  EXPECT_EQ(Loaded("alpha||beta|"), (V{"alpha", "", "beta"}));
  EXPECT_EQ(Loaded("|"), (V{""}));
  EXPECT_EQ(Loaded("||"), (V{"", ""}));
  EXPECT_EQ(Loaded("|alpha"), (V{"", "alpha"}));
  EXPECT_EQ(Loaded(""), V{});
}

TEST(History, LoadReplacesTheList) {
  AfxGetApp()->WriteProfileString("Config", kKey, "new|");
  CStringArray list;
  list.Add("old");
  list.Add("older");
  LoadHistory(list, kKey);
  EXPECT_EQ(Entries(list), (V{"new"}));
  AfxGetApp()->WriteProfileString("Config", kKey, "");
  LoadHistory(list, kKey);
  EXPECT_EQ(list.GetSize(), 0);
  list.Add("old");
  LoadHistory(list, "UnitTestNeverWritten");
  EXPECT_EQ(list.GetSize(), 0);
}

TEST(History, SaveWritesEveryEntryFollowedByASeparator) {
  CStringArray list;
  SaveHistory(list, kKey);
  EXPECT_STREQ(AfxGetApp()->GetProfileString("Config", kKey, "<absent>"), "");
  list.Add("alpha");
  list.Add("");
  list.Add("beta");
  SaveHistory(list, kKey);
  EXPECT_STREQ(AfxGetApp()->GetProfileString("Config", kKey, ""), "alpha||beta|");
  EXPECT_EQ(list.GetSize(), 3);
}

TEST(History, AnEntryWithASeparatorComesBackSplit) {
  CStringArray list;
  list.Add("a|b");
  list.Add("c");
  SaveHistory(list, kKey);
  EXPECT_STREQ(AfxGetApp()->GetProfileString("Config", kKey, ""), "a|b|c|");
  LoadHistory(list, kKey);
  EXPECT_EQ(Entries(list), (V{"a", "b", "c"}));
}

// 100,000 entries go round in linear time (a quadratic build would take minutes).
TEST(History, LongListsRoundTrip) {
  CStringArray list;
  for (int i = 0; i < 100000; ++i) {
    CString entry;
    entry.Format("entry %d", i);
    list.Add(entry);
  }
  const auto start = std::chrono::steady_clock::now();
  SaveHistory(list, kKey);
  CStringArray loaded;
  LoadHistory(loaded, kKey);
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ASSERT_EQ(loaded.GetSize(), 100000);
  EXPECT_STREQ(loaded[0], "entry 0");
  EXPECT_STREQ(loaded[99999], "entry 99999");
  EXPECT_LT(seconds, 10.0);
}

}  // namespace
