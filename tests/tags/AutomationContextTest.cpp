// The automation interfaces a jump holds: which identifiers are used when the
// IDE answers its own, the alternates, both or neither; every reference
// released once, from field 10 down to 1, however the jump ends; and the
// text that reaches the IDE as automation strings.
#include "fw/Exceptions.h"
#include "tests/tags/MessageBoxWatcher.h"
#include "tests/tags/TagTestHost.h"

namespace {

using AutomationContextTest = TagJumpTest;

// The releases of one jump with every field filled, field 10 first.
const std::vector<std::string> kAllFieldsReleased = {
    "Release Documents IDocuments(alternate)",         // 10
    "Release Documents IDocuments",                    // 9
    "Release Documents IDispatch",                     // 8
    "Release Selection 1 ITextSelection",              // 7
    "Release Selection 1 IDispatch",                   // 6
    "Release Document 1 ITextDocument(alternate)",     // 5
    "Release Document 1 ITextDocument",                // 4
    "Release Document 1 IGenericDocument(alternate)",  // 3
    "Release Document 1 IGenericDocument",             // 2
    "Release Document 1 IDispatch",                    // 1
};

void AnswerBoth(ReferenceIde& ide) {
  ide.Configuration().documents = IdeAnswers::Both;
  ide.Configuration().genericDocument = IdeAnswers::Both;
  ide.Configuration().textDocument = IdeAnswers::Both;
}

// Every reference the module took is given back, none twice, none on the application.
void ExpectAllReleased(ReferenceIde& ide) {
  EXPECT_EQ(LiveIdeReferences(ide), 0);
  for (const IdeReferenceEvent& event : ide.Log().References()) {
    EXPECT_GE(event.countAfter, 0) << event.object << " " << event.interfaceName;
    EXPECT_NE(event.object, "Application");
  }
}

TEST_F(AutomationContextTest, AlternatesOnlyAreCalledInsteadAndTheSelectionStaysItsOwn) {
  ide.Configuration().documents = IdeAnswers::Alternate;
  ide.Configuration().genericDocument = IdeAnswers::Alternate;
  ide.Configuration().textDocument = IdeAnswers::Alternate;
  TestTag tag = SampleTag("Alpha", 2);
  EXPECT_TRUE(GoToTag(&tag));
  std::vector<std::string> calls = IdeCalls();
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls[1].rfind("Documents IDocuments(alternate) 15 (", 0), 0u) << calls[1];
  EXPECT_EQ(calls[2], "Document 1 ITextDocument(alternate) 18 (-1)");
  EXPECT_EQ(calls[3], "Document 1 ITextDocument(alternate) 36 (out)");
  EXPECT_EQ(calls[4], "Selection 1 ITextSelection 43 (2, 1, VT_I4 0)");
  ExpectAllReleased(ide);
}

TEST_F(AutomationContextTest, BothAnsweredCallsOnlyTheIdesOwnAndHoldsTheAlternates) {
  AnswerBoth(ide);
  TestTag tag = SampleTag("Alpha", -1, "^int Alpha(int x) {$");
  EXPECT_TRUE(GoToTag(&tag));
  for (const IdeCall& call : ide.Log().Calls()) {
    if (call.interfaceName.find("(alternate)") != std::string::npos) {
      EXPECT_EQ(call.position, 0) << call.Text();   // queried for, nothing else
    }
  }
  std::vector<std::string> calls = IdeCalls();
  EXPECT_EQ(calls[1].rfind("Documents IDocuments 15 (", 0), 0u) << calls[1];
  EXPECT_EQ(calls[2], "Document 1 ITextDocument 18 (-1)");
  EXPECT_EQ(ide.Log().Releases(), kAllFieldsReleased);
  ExpectAllReleased(ide);
}

TEST_F(AutomationContextTest, NoDocumentsCollectionMeansNothingOpenedAndNoQuery) {
  ide.Configuration().documentsAvailable = false;
  TestTag tag = SampleTag("Alpha", 2);
  MessageBoxWatcher boxes;
  EXPECT_FALSE(GoToTag(&tag));
  boxes.Stop();
  EXPECT_TRUE(boxes.Texts().empty());
  ASSERT_EQ(ide.Log().Calls().size(), 1u);   // get documents, and no query after it
  EXPECT_EQ(ide.Log().Calls()[0].Text(), "Application IdeApplication 26 (out)");
  EXPECT_EQ(LastTag(), nullptr);
}

// A document without a text selection: nothing is called through the missing
// interfaces, no message, false, and the remembered tag stays.
TEST_F(AutomationContextTest, DocumentWithoutTextInterfacesIsNotShown) {
  TestTag previous = SampleTag("Previous", 2);
  ASSERT_TRUE(GoToTag(&previous));
  ide.Log().Clear();
  ide.Configuration().textDocument = IdeAnswers::Neither;
  TestTag tag = SampleTag("Alpha", -1, "^int Alpha(int x) {$");
  MessageBoxWatcher boxes;
  EXPECT_FALSE(GoToTag(&tag));
  boxes.Stop();
  EXPECT_TRUE(boxes.Texts().empty());
  std::vector<std::string> calls = IdeCalls();
  ASSERT_EQ(calls.size(), 2u);   // get documents and open, nothing more
  EXPECT_EQ(calls[1].rfind("Documents IDocuments 15 (", 0), 0u) << calls[1];
  EXPECT_EQ(LastTag(), AsHostTag(previous));
  ExpectAllReleased(ide);
}

TEST_F(AutomationContextTest, SelectionRefusingItsIdentifierIsNotCalled) {
  ide.Configuration().textSelection = false;
  TestTag tag = SampleTag("Alpha", 3);
  EXPECT_FALSE(GoToTag(&tag));
  for (const std::string& call : IdeCalls()) EXPECT_EQ(call.find("Selection 1"), std::string::npos) << call;
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
  EXPECT_EQ(ide.Log().Releases(), kAllFieldsReleased);
  ExpectAllReleased(ide);
}

// An exception thrown by the IDE inside find text passes through the entry,
// and the context is ended on the way.
TEST_F(AutomationContextTest, ReleasesFromTenDownToOneWhenAnExceptionPasses) {
  AnswerBoth(ide);
  ide.Log().SetHook([](const IdeCall& call) -> HRESULT {
    if (call.position == 44) throw new CMemoryException();
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
  EXPECT_EQ(ide.Log().Releases(), kAllFieldsReleased);
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
  std::vector<std::string> calls = IdeCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1], "Documents IDocuments 15 (\"\", VT_BSTR \"Auto\", VT_I2 0, out)");
}

}  // namespace
