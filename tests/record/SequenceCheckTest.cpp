// The checker: which differences count, and the difference it prints.
#include <windows.h>
#include <gtest/gtest.h>
#include "tests/support/ExpectedSequence.h"

namespace {

const Expected kTwoCalls[] = {
    {"workspace", 6, "GetExtraFilesPath", ""},
    {"files", 2, "FindFile", "\"$name\""},
};

const std::vector<RecordEntry> kRecordedTwo = {
    {"workspace", 6, "GetExtraFilesPath", "", Delivery::Call, "no project file"},
    {"files", 2, "FindFile", "\"a.cpp\"", Delivery::Call, ""},
};

TEST(SequenceCheck, PlaceholdersStandForTheirTextsAndAStateNotAskedForIsNotCompared) {
  EXPECT_TRUE(SequenceIs(kRecordedTwo, kTwoCalls, {{"$name", "a.cpp"}}));
  EXPECT_FALSE(SequenceIs(kRecordedTwo, kTwoCalls, {{"$name", "b.cpp"}}));
  EXPECT_FALSE(SequenceIs({kRecordedTwo[1], kRecordedTwo[0]}, kTwoCalls, {{"$name", "a.cpp"}}));
  EXPECT_TRUE(NothingRecorded({}));
  EXPECT_FALSE(NothingRecorded(kRecordedTwo));
}

TEST(SequenceCheck, EveryFieldCountsUnlessTheRowLeavesItOpen) {
  const std::vector<RecordEntry> sent = {{"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_DOWN", Delivery::Sent, "s"}};
  const Expected same[] = {{"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_DOWN", Delivery::Sent, "s"}};
  const Expected open[] = {{"list", WM_KEYDOWN, "WM_KEYDOWN", nullptr, Delivery::Sent, nullptr}};
  const Expected differing[][1] = {
      {{"edit", WM_KEYDOWN, "WM_KEYDOWN", "VK_DOWN", Delivery::Sent, "s"}},
      {{"list", WM_KEYUP, "WM_KEYDOWN", "VK_DOWN", Delivery::Sent, "s"}},
      {{"list", WM_KEYDOWN, "WM_KEYUP", "VK_DOWN", Delivery::Sent, "s"}},
      {{"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_UP", Delivery::Sent, "s"}},
      {{"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_DOWN", Delivery::Posted, "s"}},
      {{"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_DOWN", Delivery::Sent, "t"}},
  };
  EXPECT_TRUE(SequenceIs(sent, same));
  EXPECT_TRUE(SequenceIs(sent, open));
  for (const auto& row : differing) EXPECT_FALSE(SequenceIs(sent, row)) << row[0].source << " " << row[0].slot;
}

// Every slot, marked where it differs, the recorded entry beside the
// expected one and each operation's name beside its slot.
TEST(SequenceCheck, ADifferencePrintsTheWholeSequenceExpectedBesideRecorded) {
  const ::testing::AssertionResult result = SequenceIs({kRecordedTwo[1]}, kTwoCalls, {{"$name", "a.cpp"}});
  ASSERT_FALSE(result);
  EXPECT_EQ(std::string(result.message()),
            "the sequence differs (2 expected, 1 recorded; '!' marks a slot that differs):\n"
            "       expected                         | recorded\n"
            "!   0  workspace 6 GetExtraFilesPath () | files 2 FindFile (\"a.cpp\")\n"
            "!   1  files 2 FindFile (\"a.cpp\")       | (nothing)\n");

  const Expected keys[] = {{"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_DOWN", Delivery::Sent},
                           {"list", WM_KEYDOWN, "WM_KEYDOWN", nullptr, Delivery::Posted, "s"}};
  const std::vector<RecordEntry> recorded = {{"list", WM_KEYDOWN, "WM_KEYDOWN", "VK_DOWN", Delivery::Sent, ""},
                                             {"list", WM_KEYDOWN, "WM_KEYDOWN", "'L'", Delivery::Sent, ""}};
  EXPECT_EQ(std::string(SequenceIs(recorded, keys).message()),
            "the sequence differs (2 expected, 2 recorded; '!' marks a slot that differs):\n"
            "       expected                              | recorded\n"
            "    0  list 0x0100 WM_KEYDOWN (VK_DOWN) sent | list 0x0100 WM_KEYDOWN (VK_DOWN) sent\n"
            "!   1  list 0x0100 WM_KEYDOWN (*) posted [s] | list 0x0100 WM_KEYDOWN ('L') sent\n");
}

}  // namespace
