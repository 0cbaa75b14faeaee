// The workspace synchronisation seen from the host: the temporary project
// file while the host loads it, its removal, and the calls on the files.
#include "tests/extrafiles/ExtraFilesHost.h"

namespace {

class SyncTest : public ExtraFilesTest {
 protected:
  // Dates the extra-files file 2001-02-03 04:05:06 UTC; returns that time in seconds since 1970.
  long long DateExtraFile() {
    SYSTEMTIME when = {2001, 2, 6, 3, 4, 5, 6, 0};
    FILETIME stamp;
    SystemTimeToFileTime(&when, &stamp);
    HANDLE file = CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &stamp));
    CloseHandle(file);
    long long seconds = 0;
    EXPECT_TRUE(FileModificationTime(path, seconds));
    return seconds;
  }

  std::vector<WorkspaceCall> CallsAfterPath() {
    std::vector<WorkspaceCall> calls = TheWorkspace().log().calls();
    EXPECT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, WorkspaceCallKind::GetExtraFilesPath);
    calls.erase(calls.begin());
    return calls;
  }
};

struct Expected {
  WorkspaceCallKind kind;
  const char* argument;
  bool value;
};

void ExpectCalls(const std::vector<WorkspaceCall>& calls, const std::vector<Expected>& expected) {
  ASSERT_EQ(calls.size(), expected.size());
  for (size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].kind, expected[i].kind) << "call " << i;
    EXPECT_STREQ(calls[i].argument, expected[i].argument) << "call " << i;
    EXPECT_EQ(calls[i].value, expected[i].value) << "call " << i;
  }
}

TEST_F(SyncTest, HandsTheMarkedEntriesOverThenSetsTheFlagsOfTheFilesFound) {
  const CString special = "dir\\a&b \"q\" <x>.h";
  WriteBytes(path, Image({{"a.cpp", 1}, {special, 3}, {"c.txt", 2}, {"unknown.x", 0}}));
  const long long stamp = DateExtraFile();
  WriteBytes(path + ".vcproj", std::string(3000, 'j'));   // overwritten, then deleted
  TheWorkspace().files().Add("a.cpp")->SetFlags(true, true);
  TheWorkspace().files().Add("c.txt")->SetFlags(true, false);

  EXPECT_TRUE(Load(true));

  const std::vector<WorkspaceCall> calls = CallsAfterPath();
  const CString project = path + ".vcproj";
  typedef WorkspaceCallKind K;
  ExpectCalls(calls, {{K::LoadProjectFile, project, false},
                      {K::GetWorkspaceFiles, "", false},
                      {K::FindFile, "a.cpp", false},
                      {K::GetFirstFlag, "a.cpp", true},
                      {K::SetSecondFlag, "a.cpp", false},
                      {K::FindFile, special, false},
                      {K::GetFirstFlag, special, false},
                      {K::SetFirstFlag, special, true},
                      {K::SetSecondFlag, special, true},
                      {K::FindFile, "c.txt", false},
                      {K::GetFirstFlag, "c.txt", true},
                      {K::SetFirstFlag, "c.txt", false},
                      {K::SetSecondFlag, "c.txt", true},
                      {K::FindFile, "unknown.x", false}});
  if (calls.size() < 2) return;
  const WorkspaceCall& load = calls[0];
  EXPECT_TRUE(load.projectFileExisted);
  EXPECT_EQ(load.projectFileMtime, stamp);
  EXPECT_EQ(load.projectFileText, "<Files>\r\n"
                                  "\t<File RelativePath=\"a.cpp\"/>\r\n"
                                  "\t<File RelativePath=\"dir\\a&b \"q\" <x>.h\"/>\r\n"
                                  "</Files>\r\n");
  EXPECT_FALSE(calls[1].projectFileExisted);
  EXPECT_FALSE(Exists(project));
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"extra.xef"});

  WorkspaceFile* added = TheWorkspace().files().Lookup(special);
  ASSERT_NE(added, nullptr);
  EXPECT_TRUE(added->firstFlag());
  EXPECT_TRUE(added->secondFlag());
  EXPECT_FALSE(TheWorkspace().files().Lookup("c.txt")->firstFlag());
  EXPECT_EQ(TheWorkspace().files().Lookup("unknown.x"), nullptr);
}

TEST_F(SyncTest, AListWithoutMarkedEntriesStillHandsOverAnEmptyProjectAndSetsFlags) {
  WriteBytes(path, Image({{"b.h", 2}, {"c.h", 0}}));
  const long long stamp = DateExtraFile();
  TheWorkspace().files().Add("b.h");
  TheWorkspace().files().Add("c.h")->SetFlags(true, true);

  EXPECT_TRUE(Load(true));

  const std::vector<WorkspaceCall> calls = CallsAfterPath();
  typedef WorkspaceCallKind K;
  ExpectCalls(calls, {{K::LoadProjectFile, path + ".vcproj", false},
                      {K::GetWorkspaceFiles, "", false},
                      {K::FindFile, "b.h", false},
                      {K::GetFirstFlag, "b.h", false},
                      {K::SetSecondFlag, "b.h", true},
                      {K::FindFile, "c.h", false},
                      {K::GetFirstFlag, "c.h", true},
                      {K::SetFirstFlag, "c.h", false},
                      {K::SetSecondFlag, "c.h", false}});
  if (calls.empty()) return;
  EXPECT_EQ(calls[0].projectFileText, "<Files>\r\n</Files>\r\n");
  EXPECT_EQ(calls[0].projectFileMtime, stamp);
  EXPECT_FALSE(Exists(path + ".vcproj"));
}

TEST_F(SyncTest, AProjectFileThatCannotBeCreatedEndsTheSynchronisation) {
  WriteBytes(path, Image({{"a.cpp", 1}}));
  TheWorkspace().files().Add("a.cpp");
  ASSERT_TRUE(CreateDirectoryA(path + ".vcproj", nullptr));   // the project path is taken by a folder
  EXPECT_TRUE(Load(true));
  EXPECT_TRUE(CallsAfterPath().empty());
  EXPECT_TRUE(GetFileAttributesA(path + ".vcproj") & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(ModuleEntries().size(), 1u);
}

}  // namespace
