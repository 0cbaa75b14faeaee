// Names found through hashes where a walk over every entry compared them
// before: the workspace's files (as the runtime's case-blind comparison
// matches names) and the reference IDE's open documents.
#include <gtest/gtest.h>
#include <windows.h>
#include "ProgramRunner.h"
#include "host/ide/ReferenceIde.h"
#include "host/addin/WorkspaceFileCollection.h"

namespace {

TEST(WorkspaceFiles, LookupAgreesWithTheCaseBlindComparisonOfNames) {
  WorkspaceFileCollection files(nullptr);
  const char* names[] = {"src\\Main.cpp", "SRC\\util.h", "notes.TXT", "\xC4rger.txt", "a_b", "A^B", "[x]"};
  for (const char* name : names) files.Add(CString(name));
  const char* probes[] = {"src\\main.CPP", "src\\UTIL.H", "NOTES.txt", "\xE4rger.txt", "\xC4RGER.TXT", "A_B",
                          "a~b", "a^b", "{x}", "[X]", "src\\main.cp", ""};
  for (const char* probe : probes) {
    WorkspaceFile* expected = nullptr;
    for (int i = 0; i < files.size(); ++i) {
      if (files.at(i)->name().CompareNoCase(probe) == 0) expected = files.at(i);
    }
    EXPECT_EQ(files.Lookup(probe), expected) << probe;
  }
  // A name again in other letters is the same file, not a second one.
  int before = files.size();
  EXPECT_EQ(files.Add(CString("SRC\\MAIN.CPP")), files.Lookup("src\\Main.cpp"));
  EXPECT_EQ(files.size(), before);
  EXPECT_EQ(files.Lookup("src\\MAIN.cpp")->name(), CString("src\\Main.cpp"));
  files.Clear();
  EXPECT_EQ(files.Lookup("src\\Main.cpp"), nullptr);
  EXPECT_NE(files.Add(CString("src\\Main.cpp")), nullptr);
  EXPECT_EQ(files.size(), 1);
}

TEST(IdeDocuments, AnOpenDocumentIsFoundByItsNameInAnyLetterCase) {
  std::string folder = FreshFolder("zr-documents");
  ASSERT_TRUE(WriteFileBytes(folder + "One.cpp", "int one;\r\nint two;\n"));
  ASSERT_TRUE(WriteFileBytes(folder + "other.h", "x"));
  ReferenceIde ide;
  std::wstring one(folder.begin(), folder.end());
  std::wstring other = one + L"other.h";
  one += L"One.cpp";
  IdeDocument* first = ide.Documents().Open(one);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Lines(), (std::vector<std::wstring>{L"int one;", L"int two;", L""}));
  IdeDocument* second = ide.Documents().Open(other);
  ASSERT_NE(second, nullptr);
  std::wstring shouted = one;
  CharUpperBuffW(&shouted[0], static_cast<DWORD>(shouted.size()));
  EXPECT_EQ(ide.Documents().Find(shouted), first);
  EXPECT_EQ(ide.Documents().Open(shouted), first);
  EXPECT_EQ(ide.ActiveDocument(), first);
  EXPECT_EQ(ide.Documents().All().size(), 2u);
  EXPECT_EQ(ide.Documents().Find(one + L"x"), nullptr);
  EXPECT_EQ(ide.Documents().Open(one + L"x"), nullptr);   // no such file
  // The editor reads the active document's lines where they are.
  EXPECT_EQ(&ide.ActiveLines(), &first->Lines());
  // A document's own set-active call makes it the one the editor shows, and
  // its selection moves within its own lines.
  auto* face = static_cast<IdeTextDocumentFace*>(second->NewReference());
  EXPECT_EQ(face->SetActive(VARIANT_TRUE), S_OK);
  EXPECT_EQ(ide.ActiveDocument(), second);
  EXPECT_EQ(face->SetActive(VARIANT_FALSE), S_OK);
  EXPECT_EQ(ide.ActiveDocument(), second);
  face->Release();
  second->Selection().MoveTo(5, 9);
  EXPECT_EQ(ide.CaretLine(), 1);
  EXPECT_EQ(second->Selection().Caret().column, 2);
  first->Selection().MoveTo(5, 9);
  EXPECT_EQ(first->Selection().Caret().line, 3);
}

}  // namespace
