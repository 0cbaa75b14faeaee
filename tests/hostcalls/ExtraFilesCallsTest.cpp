// Saving and loading the extra files, with and without synchronisation, reach
// the host's workspace, its file collection and its files as C++ member calls:
// strings by value as one adopted pointer, flags as one byte.
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>
#include "host/addin/HostExtraFileList.h"
#include "tests/hostcalls/ModuleUnderTest.h"

namespace {

const Expected kPathOnly[] = {
    {"workspace", 6, "GetExtraFilesPath", ""},
};

// The flags arrive as one byte each; c.txt already has its first flag.
const Expected kSynchronised[] = {
    {"workspace", 6, "GetExtraFilesPath", ""},
    {"workspace", 11, "LoadProjectFile", "\"$project\""},
    {"workspace", 1, "GetWorkspaceFiles", ""},
    {"files", 2, "FindFile", "\"a.cpp\""},
    {"a.cpp", 1, "GetFirstFlag", ""},
    {"a.cpp", 6, "SetFirstFlag", "1"},
    {"a.cpp", 8, "SetSecondFlag", "0"},
    {"files", 2, "FindFile", "\"b.h\""},
    {"b.h", 1, "GetFirstFlag", ""},
    {"b.h", 6, "SetFirstFlag", "0"},
    {"b.h", 8, "SetSecondFlag", "1"},
    {"files", 2, "FindFile", "\"c.txt\""},
    {"c.txt", 1, "GetFirstFlag", ""},
    {"c.txt", 8, "SetSecondFlag", "1"},
    {"files", 2, "FindFile", "\"gone.cpp\""},
};

class ExtraFilesCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    m_path = TempFileName("xef");
    Workspace().extraFilesPath = m_path;
    HostExtraFiles list;
    list.Fill({{"a.cpp", 1}, {"b.h", 2}, {"c.txt", 3}, {"gone.cpp", 1}});
    Table()->setExtraFiles(list.raw());
    ClearHostCalls();
    EXPECT_EQ(Bool(CallEntry(Table()->saveExtraFiles, {})), 1);
  }
  void TearDown() override {
    Workspace().files->files.clear();
    DeleteFileA(m_path);
  }

  CString m_path;
};

TEST_F(ExtraFilesCalls, SaveAndLoadWithoutSynchronisationAskTheWorkspaceForThePath) {
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kPathOnly));
  EXPECT_NE(GetFileAttributesA(m_path), INVALID_FILE_ATTRIBUTES);

  // Only the argument's low byte counts: this word means false.
  ClearHostCalls();
  EXPECT_EQ(Bool(CallEntry(Table()->loadExtraFiles, {0x12345600})), 1);
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kPathOnly));
}

TEST_F(ExtraFilesCalls, SynchronisationCallsWorkspaceCollectionAndFilesAsMembers) {
  StubWorkspaceFile a("a.cpp"), b("b.h"), c("c.txt");
  b.firstFlag = true;
  c.firstFlag = true;   // already as the entry has it: no SetFirstFlag
  Workspace().files->files = {&a, &b, &c};
  ClearHostCalls();

  EXPECT_EQ(Bool(CallEntry(Table()->loadExtraFiles, {0xABCDEF01})), 1);

  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kSynchronised, {{"$project", std::string(m_path) + ".vcproj"}}));
  EXPECT_EQ(UnsteadyCallSites(), std::vector<std::string>());
  // Each string by value came as a whole CString with a reference of its own
  // for the host to release: a name FindFile gets is still held by the
  // module's list, so it arrives counted at least twice; the project file's
  // path may be handed over outright.
  int strings = 0;
  for (size_t i = 0; i < HostCalls().size(); ++i) {
    const HostCall& call = HostCalls()[i];
    if (call.text.IsEmpty()) continue;
    ++strings;
    const bool findFile = call.kind == HostKind::WorkspaceFiles && call.position == 2;
    const std::string entry = TheRecord().Entries()[i].Text();   // recorded beside it
    EXPECT_GE(call.textReferences, findFile ? 2 : 1) << entry;
    EXPECT_EQ(static_cast<size_t>(call.textLength), std::strlen(call.text)) << entry;
  }
  EXPECT_EQ(strings, 5);   // LoadProjectFile and four FindFile
  // The path the workspace adopted named the complete project file.
  EXPECT_EQ(std::string(Workspace().projectFileText),
            "<Files>\r\n\t<File RelativePath=\"a.cpp\"/>\r\n\t<File RelativePath=\"c.txt\"/>\r\n"
            "\t<File RelativePath=\"gone.cpp\"/>\r\n</Files>\r\n");
  EXPECT_EQ(std::vector<bool>({a.firstFlag, a.secondFlag, b.firstFlag, b.secondFlag, c.firstFlag, c.secondFlag}),
            std::vector<bool>({true, false, false, true, true, true}));
}

}  // namespace
