// The go-to-tag and last-tag entries against the reference IDE: where the
// caret goes, what is searched, the IDE calls in order, the not-found message
// and the remembered tag.
#include "fw/Exceptions.h"
#include "tests/tags/MessageBoxWatcher.h"
#include "tests/tags/TagTestHost.h"

namespace {

using GoToTagTest = TagJumpTest;

std::string NotFoundText(const std::string& name) {
  return "Unable to find " + name + ".  Please save all files and refresh the tags.\n";
}

// Only the file name and the line are asked for; the search string is not.
const Expected kByLine[] = {
    {"Application IdeApplication", 26, "GetDocuments", "out"},
    {"Alpha", 3, "GetFileName", ""},
    {"Documents IDocuments", 15, "Open", "\"$file\", VT_BSTR \"Auto\", VT_I2 0, out"},
    {"Document 1 ITextDocument", 18, "SetActive", "-1"},
    {"Document 1 ITextDocument", 36, "GetSelection", "out"},
    {"Alpha", 7, "GetLine", ""},
    {"Selection 1 ITextSelection", 43, "MoveTo", "3, 1, VT_I4 0"},
    {"Application IdeApplication", 43, "ExecuteCommand", "\"WindowScrollToCenter\""},
    {"Selection 1 ITextSelection", 16, "Refresh", ""},
};

const Expected kMovesWithoutFind[] = {
    {"Selection 1 ITextSelection", 43, "MoveTo", "0, 1, VT_I4 0"},
    {"Selection 1 ITextSelection", 43, "MoveTo", "500, 1, VT_I4 0"},
};

// To the top, then find with match case only (4).
const Expected kByPattern[] = {
    {"Application IdeApplication", 26, "GetDocuments", "out"},
    {"Alpha", 3, "GetFileName", ""},
    {"Documents IDocuments", 15, "Open", "\"$file\", VT_BSTR \"Auto\", VT_I2 0, out"},
    {"Document 1 ITextDocument", 18, "SetActive", "-1"},
    {"Document 1 ITextDocument", 36, "GetSelection", "out"},
    {"Alpha", 7, "GetLine", ""},
    {"Selection 1 ITextSelection", 43, "MoveTo", "1, 1, VT_I4 0"},
    {"Alpha", 4, "GetSearchString", ""},
    {"Selection 1 ITextSelection", 44, "FindText", "\"int Alpha(int x);\", VT_I4 4"},
    {"Application IdeApplication", 43, "ExecuteCommand", "\"WindowScrollToCenter\""},
    {"Selection 1 ITextSelection", 16, "Refresh", ""},
};

// Not found: no scroll, no refresh; the tag's name goes into the message.
const Expected kNotFound[] = {
    {"Application IdeApplication", 26, "GetDocuments", "out"},
    {"ALPHA", 3, "GetFileName", ""},
    {"Documents IDocuments", 15, "Open", "\"$file\", VT_BSTR \"Auto\", VT_I2 0, out"},
    {"Document 1 ITextDocument", 18, "SetActive", "-1"},
    {"Document 1 ITextDocument", 36, "GetSelection", "out"},
    {"ALPHA", 7, "GetLine", ""},
    {"Selection 1 ITextSelection", 43, "MoveTo", "1, 1, VT_I4 0"},
    {"ALPHA", 4, "GetSearchString", ""},
    {"Selection 1 ITextSelection", 44, "FindText", "\"int ALPHA(int x) {\", VT_I4 4"},
    {"ALPHA", 2, "GetName", ""},
};

TEST_F(GoToTagTest, ByLineOpensTheFileAndPutsTheCaretThereInOrder) {
  TestTag tag = SampleTag("Alpha", 3);
  MessageBoxWatcher boxes;
  EXPECT_TRUE(GoToTag(&tag));
  boxes.Stop();
  EXPECT_TRUE(boxes.Texts().empty());

  EXPECT_TRUE(SequenceIs(JumpCalls(), kByLine, {{"$file", m_sampleFile}}));
  EXPECT_EQ(ide.CaretLine(), 3);
  EXPECT_TRUE(ide.CentreRequested());
  EXPECT_EQ(ide.CentreLine(), 3);
  EXPECT_EQ(LastTag(), AsHostTag(tag));
}

TEST_F(GoToTagTest, LineZeroAndLinesPastTheEndAreNeverSearched) {
  TestTag zero = SampleTag("Zero", 0, "^int Alpha$");
  EXPECT_TRUE(GoToTag(&zero));
  TestTag past = SampleTag("Past", 500, "^int Alpha$");
  EXPECT_TRUE(GoToTag(&past));
  EXPECT_TRUE(SequenceIs(CallsTo({"MoveTo", "FindText"}), kMovesWithoutFind));
  EXPECT_EQ(ide.CaretLine(), 8);   // clamped to the empty last line; the jump still counts
  EXPECT_EQ(LastTag(), AsHostTag(past));
}

TEST_F(GoToTagTest, ByPatternMovesToTheTopThenFindsWithMatchCaseOnly) {
  TestTag tag = SampleTag("Alpha", -1, "^int Alpha(int x);$$");
  EXPECT_TRUE(GoToTag(&tag));
  EXPECT_TRUE(SequenceIs(JumpCalls(), kByPattern, {{"$file", m_sampleFile}}));
  EXPECT_EQ(ide.CaretLine(), 7);   // line 2 has the same words but no ';'
  EXPECT_EQ(ide.CentreLine(), 7);
  EXPECT_EQ(ide.Documents().All()[0]->Selection().Refreshes(), 1);
  EXPECT_EQ(LastTag(), AsHostTag(tag));
}

// The first character goes whatever it is; only the run of '$' at the end goes.
TEST_F(GoToTagTest, PatternLosesItsFirstCharacterAndEveryTrailingDollar) {
  struct Case {
    const char* searchString;
    const wchar_t* pattern;
    int line;
  };
  const Case cases[] = {
      {"/struct Beta$Gamma { int cost$; };$$$", L"struct Beta$Gamma { int cost$; };", 5},
      {"xint alpha_lower", L"int alpha_lower", 6},
      {"^^  return x;$", L"^  return x;", 0},   // the second '^' is text: not in the file
  };
  for (const Case& c : cases) {
    TestTag tag = SampleTag("T", -1, c.searchString);
    MessageBoxWatcher boxes;
    bool shown = GoToTag(&tag);
    boxes.Stop();
    EXPECT_EQ(ide.Documents().All()[0]->Selection().LastFindText(), c.pattern) << c.searchString;
    EXPECT_EQ(shown, c.line != 0) << c.searchString;
    if (c.line) {
      EXPECT_EQ(ide.CaretLine(), c.line) << c.searchString;
    }
    EXPECT_EQ(boxes.Texts().size(), c.line ? 0u : 1u) << c.searchString;
  }
}

TEST_F(GoToTagTest, NotFoundShowsTheMessageAndKeepsThePreviousTag) {
  TestTag previous = SampleTag("Previous", 2);
  ASSERT_TRUE(GoToTag(&previous));
  TheRecord().Clear();
  ide.ClearCentreRequest();

  // Only a case-blind search would find this: the match-case flag counts.
  TestTag missing = SampleTag("ALPHA", -1, "^int ALPHA(int x) {$");
  MessageBoxWatcher boxes;
  EXPECT_FALSE(GoToTag(&missing));
  boxes.Stop();
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{NotFoundText("ALPHA")});
  EXPECT_EQ(LastTag(), AsHostTag(previous));
  EXPECT_FALSE(ide.CentreRequested());
  EXPECT_TRUE(SequenceIs(JumpCalls(), kNotFound, {{"$file", m_sampleFile}}));
  EXPECT_EQ(LiveIdeReferences(ide), 0);
}

// An empty pattern names no place: not searched, reported as not found.
TEST_F(GoToTagTest, EmptyPatternIsNotFoundWithoutSearching) {
  for (const char* searchString : {"", "^", "^$$"}) {
    TestTag tag = SampleTag("Empty", -1, searchString);
    TheRecord().Clear();
    MessageBoxWatcher boxes;
    EXPECT_FALSE(GoToTag(&tag)) << searchString;
    boxes.Stop();
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{NotFoundText("Empty")}) << searchString;
    EXPECT_TRUE(NothingRecorded(CallsTo({"FindText"}))) << searchString;
    EXPECT_EQ(LastTag(), nullptr);
  }
}

// An IDE that fails find text without writing the found flag: not found.
TEST_F(GoToTagTest, FailedFindWithoutAnswerCountsAsNotFound) {
  ide.Calls().SetHook([](const RecordEntry& call) {
    return call.slot == 44 ? E_FAIL : S_OK;
  });
  TestTag tag = SampleTag("Alpha", -1, "^int Alpha(int x) {$");
  MessageBoxWatcher boxes;
  EXPECT_FALSE(GoToTag(&tag));
  boxes.Stop();
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{NotFoundText("Alpha")});
}

// With no record attached (as the host application runs it) the IDE keeps
// nothing, and the hook still decides its calls.
TEST_F(GoToTagTest, WithoutARecordTheIdeKeepsNothingAndItsHookStillRuns) {
  ide.Calls().Attach(nullptr);
  ide.Calls().SetHook([](const RecordEntry& call) { return call.slot == 44 ? E_FAIL : S_OK; });
  TestTag tag = SampleTag("Alpha", -1, "^int Alpha(int x) {$");
  MessageBoxWatcher boxes;
  EXPECT_FALSE(GoToTag(&tag));
  boxes.Stop();
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{NotFoundText("Alpha")});
  // Only the test's own tag reports to the record.
  EXPECT_TRUE(NothingRecorded(Only(TheRecord().Entries(), [](const RecordEntry& call) { return call.source != "Alpha"; })));
}

// Refused moves, scrolls and position 16 do not change the outcome.
TEST_F(GoToTagTest, RefusedMoveAndScrollStillCountAsShown) {
  ide.Calls().SetHook([](const RecordEntry& call) {
    bool refuse = call.slot == 43 || call.slot == 16;
    return refuse ? E_FAIL : S_OK;
  });
  TestTag tag = SampleTag("Alpha", 4);
  EXPECT_TRUE(GoToTag(&tag));
  EXPECT_EQ(LastTag(), AsHostTag(tag));
}

TEST_F(GoToTagTest, NullTagClearsTheRememberedTagWithoutCallingTheIde) {
  TestTag tag = SampleTag("Alpha", 2);
  ASSERT_TRUE(GoToTag(&tag));
  TheRecord().Clear();
  EXPECT_FALSE(GoToTag(nullptr));
  EXPECT_EQ(LastTag(), nullptr);
  EXPECT_TRUE(NothingRecorded(TheRecord().Entries()));
}

TEST_F(GoToTagTest, NothingOpenedForgetsTheTagWithoutMessage) {
  TestTag shown = SampleTag("Alpha", 2);
  ASSERT_TRUE(GoToTag(&shown));
  TestTag missingFile("Gone", "C:\\no\\such\\folder\\gone.cpp", 1);
  MessageBoxWatcher boxes;
  EXPECT_FALSE(GoToTag(&missingFile));
  boxes.Stop();
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_EQ(LastTag(), nullptr);
  EXPECT_EQ(LiveIdeReferences(ide), 0);
}

// Without an IDE application nothing is called and the remembered tag stays.
// The module stays loaded between the two creations, and with it its state.
TEST_F(GoToTagTest, WithoutIdeApplicationReturnsFalseAndKeepsTheTag) {
  TestTag shown = SampleTag("Alpha", 2);
  ASSERT_TRUE(GoToTag(&shown));
  loader.Destroy();
  table = loader.Create(nullptr, RawWorkspace());
  ASSERT_NE(table, nullptr);
  TheRecord().Clear();
  TestTag other = SampleTag("Other", 3);
  EXPECT_FALSE(GoToTag(&other));
  EXPECT_EQ(LastTag(), AsHostTag(shown));
  // Neither the IDE nor the tag was called.
  EXPECT_TRUE(NothingRecorded(TheRecord().Entries()));
}

}  // namespace
