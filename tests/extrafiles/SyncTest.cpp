// The workspace synchronisation seen from the host: the temporary project
// file while the host loads it, its removal, and the calls on the files.
#include "tests/extrafiles/ExtraFilesHost.h"

namespace {

const char* const kNoProjectFile = "no project file";

class SyncTest : public ExtraFilesTest {
 protected:
  // Dates the extra-files file 2001-02-03 04:05:06 UTC.
  void DateExtraFile() {
    SYSTEMTIME when = {2001, 2, 6, 3, 4, 5, 6, 0};
    FILETIME stamp;
    SystemTimeToFileTime(&when, &stamp);
    HANDLE file = CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &stamp));
    CloseHandle(file);
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    EXPECT_TRUE(GetFileAttributesExA(path, GetFileExInfoStandard, &data) &&
                CompareFileTime(&data.ftLastWriteTime, &stamp) == 0);
  }

  Placeholders Project() const { return {{"$project", std::string(path) + ".vcproj"}}; }
};

// Each call sees the project file as it stands: there, with the extra-files
// file's date, while LoadProjectFile reads it, and never again.
const Expected kProjectFileWhileLoaded[] = {
    {"workspace", 11, "LoadProjectFile", "\"$project\"", Delivery::Call, "project file of 2001-02-03 04:05:06"},
};
// Where the test left a stale project file, the first call sees it too.
const Expected kStaleThenWhileLoaded[] = {
    {"workspace", 6, "GetExtraFilesPath", "", Delivery::Call, nullptr},
    {"workspace", 11, "LoadProjectFile", "\"$project\"", Delivery::Call, "project file of 2001-02-03 04:05:06"},
};
std::vector<RecordEntry> CallsSeeingAProjectFile() {
  return Only(TheRecord().Entries(), [](const RecordEntry& call) { return call.state != kNoProjectFile; });
}

// The marked entries go to the project file; then each entry's file, when
// found, gets the entry's flags (the first only where it differs).
const Expected kMarkedHandedOver[] = {
    {"workspace", 6, "GetExtraFilesPath", ""},
    {"workspace", 11, "LoadProjectFile", "\"$project\""},
    {"workspace", 1, "GetWorkspaceFiles", ""},
    {"files", 2, "FindFile", "\"a.cpp\""},
    {"a.cpp", 1, "GetFirstFlag", "-> 1"},
    {"a.cpp", 8, "SetSecondFlag", "0"},
    {"files", 2, "FindFile", "\"dir\\a&b \"q\" <x>.h\""},
    {"dir\\a&b \"q\" <x>.h", 1, "GetFirstFlag", "-> 0"},
    {"dir\\a&b \"q\" <x>.h", 6, "SetFirstFlag", "1"},
    {"dir\\a&b \"q\" <x>.h", 8, "SetSecondFlag", "1"},
    {"files", 2, "FindFile", "\"c.txt\""},
    {"c.txt", 1, "GetFirstFlag", "-> 1"},
    {"c.txt", 6, "SetFirstFlag", "0"},
    {"c.txt", 8, "SetSecondFlag", "1"},
    {"files", 2, "FindFile", "\"unknown.x\""},
};

const Expected kNoneMarked[] = {
    {"workspace", 6, "GetExtraFilesPath", ""},
    {"workspace", 11, "LoadProjectFile", "\"$project\""},
    {"workspace", 1, "GetWorkspaceFiles", ""},
    {"files", 2, "FindFile", "\"b.h\""},
    {"b.h", 1, "GetFirstFlag", "-> 0"},
    {"b.h", 8, "SetSecondFlag", "1"},
    {"files", 2, "FindFile", "\"c.h\""},
    {"c.h", 1, "GetFirstFlag", "-> 1"},
    {"c.h", 6, "SetFirstFlag", "0"},
    {"c.h", 8, "SetSecondFlag", "0"},
};

const Expected kPathOnly[] = {
    {"workspace", 6, "GetExtraFilesPath", ""},
};

TEST_F(SyncTest, HandsTheMarkedEntriesOverThenSetsTheFlagsOfTheFilesFound) {
  const CString special = "dir\\a&b \"q\" <x>.h";
  WriteBytes(path, Image({{"a.cpp", 1}, {special, 3}, {"c.txt", 2}, {"unknown.x", 0}}));
  DateExtraFile();
  WriteBytes(path + ".vcproj", std::string(3000, 'j'));   // overwritten, then deleted
  TheWorkspace().files().Add("a.cpp")->SetFlags(true, true);
  TheWorkspace().files().Add("c.txt")->SetFlags(true, false);

  EXPECT_TRUE(Load(true));

  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kMarkedHandedOver, Project()));
  EXPECT_TRUE(SequenceIs(CallsSeeingAProjectFile(), kStaleThenWhileLoaded, Project()));
  EXPECT_EQ(TheWorkspace().lastProjectFile().text, "<Files>\r\n"
                                                    "\t<File RelativePath=\"a.cpp\"/>\r\n"
                                                    "\t<File RelativePath=\"dir\\a&b \"q\" <x>.h\"/>\r\n"
                                                    "</Files>\r\n");
  EXPECT_FALSE(Exists(path + ".vcproj"));
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
  DateExtraFile();
  TheWorkspace().files().Add("b.h");
  TheWorkspace().files().Add("c.h")->SetFlags(true, true);

  EXPECT_TRUE(Load(true));

  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kNoneMarked, Project()));
  EXPECT_TRUE(SequenceIs(CallsSeeingAProjectFile(), kProjectFileWhileLoaded, Project()));
  EXPECT_EQ(TheWorkspace().lastProjectFile().text, "<Files>\r\n</Files>\r\n");
  EXPECT_FALSE(Exists(path + ".vcproj"));
}

TEST_F(SyncTest, AProjectFileThatCannotBeCreatedEndsTheSynchronisation) {
  WriteBytes(path, Image({{"a.cpp", 1}}));
  TheWorkspace().files().Add("a.cpp");
  ASSERT_TRUE(CreateDirectoryA(path + ".vcproj", nullptr));   // the project path is taken by a folder
  EXPECT_TRUE(Load(true));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kPathOnly));
  EXPECT_TRUE(GetFileAttributesA(path + ".vcproj") & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(ModuleEntries().size(), 1u);
}

}  // namespace
