// The automation interfaces a jump holds: which identifiers are used when the
// IDE answers its own, the alternates, both or neither; every reference
// released once, from field 10 down to 1, however the jump ends; and the
// text that reaches the IDE as automation strings.
#include "fw/Exceptions.h"
#include "tests/tags/MessageBoxWatcher.h"
#include "tests/tags/TagTestHost.h"

namespace {

using AutomationContextTest = TagJumpTest;

// The releases of one jump with every field filled, field 10 first, each
// leaving its interface's count at 0.
const Expected kAllFieldsReleased[] = {
    {"Documents IDocuments(alternate)", 2, "Release", "", Delivery::Call, "count 0"},          // 10
    {"Documents IDocuments", 2, "Release", "", Delivery::Call, "count 0"},                     // 9
    {"Documents IDispatch", 2, "Release", "", Delivery::Call, "count 0"},                      // 8
    {"Selection 1 ITextSelection", 2, "Release", "", Delivery::Call, "count 0"},               // 7
    {"Selection 1 IDispatch", 2, "Release", "", Delivery::Call, "count 0"},                    // 6
    {"Document 1 ITextDocument(alternate)", 2, "Release", "", Delivery::Call, "count 0"},      // 5
    {"Document 1 ITextDocument", 2, "Release", "", Delivery::Call, "count 0"},                 // 4
    {"Document 1 IGenericDocument(alternate)", 2, "Release", "", Delivery::Call, "count 0"},   // 3
    {"Document 1 IGenericDocument", 2, "Release", "", Delivery::Call, "count 0"},              // 2
    {"Document 1 IDispatch", 2, "Release", "", Delivery::Call, "count 0"},                     // 1
};

// Only the alternates answered: they are called instead; the selection has no alternate.
const Expected kThroughTheAlternates[] = {
    {"Application IdeApplication", 26, "GetDocuments", "out"},
    {"Alpha", 3, "GetFileName", ""},
    {"Documents IDocuments(alternate)", 15, "Open", "\"$file\", VT_BSTR \"Auto\", VT_I2 0, out"},
    {"Document 1 ITextDocument(alternate)", 18, "SetActive", "-1"},
    {"Document 1 ITextDocument(alternate)", 36, "GetSelection", "out"},
    {"Alpha", 7, "GetLine", ""},
    {"Selection 1 ITextSelection", 43, "MoveTo", "2, 1, VT_I4 0"},
    {"Application IdeApplication", 43, "ExecuteCommand", "\"WindowScrollToCenter\""},
    {"Selection 1 ITextSelection", 16, "Refresh", ""},
};

// Both answered: the IDE's own are called.
const Expected kThroughTheIdesOwn[] = {
    {"Application IdeApplication", 26, "GetDocuments", "out"},
    {"Alpha", 3, "GetFileName", ""},
    {"Documents IDocuments", 15, "Open", "\"$file\", VT_BSTR \"Auto\", VT_I2 0, out"},
    {"Document 1 ITextDocument", 18, "SetActive", "-1"},
    {"Document 1 ITextDocument", 36, "GetSelection", "out"},
    {"Alpha", 7, "GetLine", ""},
    {"Selection 1 ITextSelection", 43, "MoveTo", "1, 1, VT_I4 0"},
    {"Alpha", 4, "GetSearchString", ""},
    {"Selection 1 ITextSelection", 44, "FindText", "\"int Alpha(int x) {\", VT_I4 4"},
    {"Application IdeApplication", 43, "ExecuteCommand", "\"WindowScrollToCenter\""},
    {"Selection 1 ITextSelection", 16, "Refresh", ""},
};

// Without a documents collection: get documents, and no query after it.
const Expected kNoDocuments[] = {
    {"Application IdeApplication", 26, "GetDocuments", "out"},
    {"Alpha", 3, "GetFileName", ""},
};

// A document without text interfaces: get documents and open, nothing more.
const Expected kOpenedOnly[] = {
    {"Application IdeApplication", 26, "GetDocuments", "out"},
    {"Alpha", 3, "GetFileName", ""},
    {"Documents IDocuments", 15, "Open", "\"$file\", VT_BSTR \"Auto\", VT_I2 0, out"},
};

const Expected kEmptyFileName[] = {
    {"Application IdeApplication", 26, "GetDocuments", "out"},
    {"Nameless", 3, "GetFileName", ""},
    {"Documents IDocuments", 15, "Open", "\"\", VT_BSTR \"Auto\", VT_I2 0, out"},
};

void AnswerBoth(ReferenceIde& ide) {
  ide.Configuration().documents = IdeAnswers::Both;
  ide.Configuration().genericDocument = IdeAnswers::Both;
  ide.Configuration().textDocument = IdeAnswers::Both;
}

// Every reference the module took is given back, none twice, none on the application.
void ExpectAllReleased(ReferenceIde& ide) {
  EXPECT_EQ(LiveIdeReferences(ide), 0);
  for (const RecordEntry& reference : References()) {
    EXPECT_EQ(reference.state.rfind("count -", 0), std::string::npos) << reference.Text();
    EXPECT_EQ(reference.source.rfind("Application", 0), std::string::npos) << reference.Text();
  }
}

TEST_F(AutomationContextTest, AlternatesOnlyAreCalledInsteadAndTheSelectionStaysItsOwn) {
  ide.Configuration().documents = IdeAnswers::Alternate;
  ide.Configuration().genericDocument = IdeAnswers::Alternate;
  ide.Configuration().textDocument = IdeAnswers::Alternate;
  TestTag tag = SampleTag("Alpha", 2);
  EXPECT_TRUE(GoToTag(&tag));
  EXPECT_TRUE(SequenceIs(JumpCalls(), kThroughTheAlternates, {{"$file", m_sampleFile}}));
  ExpectAllReleased(ide);
}

TEST_F(AutomationContextTest, BothAnsweredCallsOnlyTheIdesOwnAndHoldsTheAlternates) {
  AnswerBoth(ide);
  TestTag tag = SampleTag("Alpha", -1, "^int Alpha(int x) {$");
  EXPECT_TRUE(GoToTag(&tag));
  for (const RecordEntry& call : TheRecord().Entries()) {
    if (call.source.find("(alternate)") != std::string::npos) {
      EXPECT_LE(call.slot, 2) << call.Text();   // queried for and held, nothing else
    }
  }
  EXPECT_TRUE(SequenceIs(JumpCalls(), kThroughTheIdesOwn, {{"$file", m_sampleFile}}));
  EXPECT_TRUE(SequenceIs(Releases(), kAllFieldsReleased));
  ExpectAllReleased(ide);
}

TEST_F(AutomationContextTest, NoDocumentsCollectionMeansNothingOpenedAndNoQuery) {
  ide.Configuration().documentsAvailable = false;
  TestTag tag = SampleTag("Alpha", 2);
  MessageBoxWatcher boxes;
  EXPECT_FALSE(GoToTag(&tag));
  boxes.Stop();
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_TRUE(SequenceIs(CallsAndQueries(), kNoDocuments));
  EXPECT_EQ(LastTag(), nullptr);
}

// A document without a text selection: nothing is called through the missing
// interfaces, no message, false, and the remembered tag stays.
TEST_F(AutomationContextTest, DocumentWithoutTextInterfacesIsNotShown) {
  TestTag previous = SampleTag("Previous", 2);
  ASSERT_TRUE(GoToTag(&previous));
  TheRecord().Clear();
  ide.Configuration().textDocument = IdeAnswers::Neither;
  TestTag tag = SampleTag("Alpha", -1, "^int Alpha(int x) {$");
  MessageBoxWatcher boxes;
  EXPECT_FALSE(GoToTag(&tag));
  boxes.Stop();
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_TRUE(SequenceIs(JumpCalls(), kOpenedOnly, {{"$file", m_sampleFile}}));
  EXPECT_EQ(LastTag(), AsHostTag(previous));
  ExpectAllReleased(ide);
}

TEST_F(AutomationContextTest, SelectionRefusingItsIdentifierIsNotCalled) {
  ide.Configuration().textSelection = false;
  TestTag tag = SampleTag("Alpha", 3);
  EXPECT_FALSE(GoToTag(&tag));
  EXPECT_TRUE(NothingRecorded(
      Only(JumpCalls(), [](const RecordEntry& call) { return call.source.rfind("Selection 1", 0) == 0; })));
  EXPECT_EQ(LastTag(), nullptr);
  ExpectAllReleased(ide);
}

TEST_F(AutomationContextTest, ReleasesFromTenDownToOneWhenNotFound) {
  AnswerBoth(ide);
  TestTag tag = SampleTag("Nowhere", -1, "^int Nowhere()$");
  MessageBoxWatcher boxes;
  EXPECT_FALSE(GoToTag(&tag));
  boxes.Stop();
  EXPECT_EQ(boxes.Texts().size(), 1u);
  EXPECT_TRUE(SequenceIs(Releases(), kAllFieldsReleased));
  ExpectAllReleased(ide);
}

// An exception thrown by the IDE inside find text passes through the entry,
// and the context is ended on the way.
TEST_F(AutomationContextTest, ReleasesFromTenDownToOneWhenAnExceptionPasses) {
  AnswerBoth(ide);
  ide.Calls().SetHook([](const RecordEntry& call) -> HRESULT {
    if (call.slot == 44) throw new CMemoryException();
    return S_OK;
  });
  TestTag tag = SampleTag("Alpha", -1, "^int Alpha(int x) {$");
  bool caught = false;
  try {
    GoToTag(&tag);
  } catch (CMemoryException* e) {
    caught = true;
    e->Delete();
  }
  EXPECT_TRUE(caught);
  EXPECT_TRUE(SequenceIs(Releases(), kAllFieldsReleased));
  ExpectAllReleased(ide);
  EXPECT_EQ(LastTag(), nullptr);
}

TEST_F(AutomationContextTest, EveryJumpReleasesWhatItTookAgainAndAgain) {
  TestTag tag = SampleTag("Alpha", -1, "^int Alpha(int x) {$");
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(GoToTag(&tag));
  ExpectAllReleased(ide);
  EXPECT_EQ(ide.Documents().All().size(), 1u);
}

// Text above 127 in the ANSI code page arrives as its UTF-16 character, in the
// file name, the pattern and the IDE command alike.
TEST_F(AutomationContextTest, AnsiTextReachesTheIdeAsUtf16) {
  std::string eAcute;
  if (GetACP() == 1252) eAcute = "\xe9";
  else if (GetACP() == CP_UTF8) eAcute = "\xc3\xa9";
  else GTEST_SKIP() << "ANSI code page " << GetACP() << " has no single e-acute";
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "zr_caf" + eAcute + ".cpp";
  WriteLines(path, {"// header", "const char* caf" + eAcute + " = \"\";"});
  TestTag tag("caf" + eAcute, path, -1, "^const char* caf" + eAcute + " = $");
  EXPECT_TRUE(GoToTag(&tag));
  ASSERT_EQ(ide.Documents().All().size(), 1u);
  EXPECT_EQ(ide.ActiveFileName().substr(ide.ActiveFileName().size() - 11), L"zr_caf\u00e9.cpp");
  EXPECT_EQ(ide.Documents().All()[0]->Selection().LastFindText(), L"const char* caf\u00e9 = ");
  EXPECT_EQ(ide.CaretLine(), 2);
  DeleteFileA(path.c_str());
}

// An empty file name is an automation string of length 0, not a null one.
TEST_F(AutomationContextTest, EmptyTextIsAnEmptyStringNotANullOne) {
  TestTag tag("Nameless", "", 1);
  EXPECT_FALSE(GoToTag(&tag));
  EXPECT_TRUE(SequenceIs(JumpCalls(), kEmptyFileName));
}

}  // namespace
