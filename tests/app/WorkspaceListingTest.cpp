// The listing a scan keeps for the next one: a folder whose last-write time
// is the kept one is taken from it, any other folder is listed again, and a
// listing file that is not whole or not of the workspace is not used.
#include <gtest/gtest.h>
#include <windows.h>
#include <atomic>
#include <string>
#include <vector>
#include "ProgramRunner.h"
#include "host/app/WorkspaceListing.h"
#include "host/app/WorkspaceScan.h"

namespace {

// A time long past: a folder written then is sure to be unchanged since.
constexpr uint64_t kLongAgo = 132000000000000000ull;   // early 2019

bool SetFolderTime(const std::string& path, uint64_t time) {
  HANDLE folder = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return false;
  FILETIME written = {static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
  bool set = SetFileTime(folder, nullptr, nullptr, &written) != 0;
  CloseHandle(folder);
  return set;
}

std::vector<std::string> Scan(const std::string& folder, const WorkspaceListing* kept, WorkspaceListing* made) {
  std::atomic<size_t> found(0);
  return ScanWorkspace(folder, {folder + "\\tags"}, found, nullptr, kept, made);
}

// root: top.c, tags (skipped), a\a.c, a\deep\d.c, b\b.c; every folder written long ago.
std::string OldTree(const std::string& name) {
  std::string root = FreshFolder(name);
  // The files the tests add, should a folder of the same name be left from an earlier run.
  for (const char* file : {"a\\new.c", "b\\b2.c", "b\\b3.c"}) DeleteFileA((root + file).c_str());
  for (const char* folder : {"a", "a\\deep", "b"}) CreateDirectoryA((root + folder).c_str(), nullptr);
  for (const char* file : {"top.c", "tags", "a\\a.c", "a\\deep\\d.c", "b\\b.c"}) WriteFileBytes(root + file, "x");
  for (const char* folder : {"a\\deep", "a", "b", ""}) SetFolderTime(root + folder, kLongAgo);
  return root.substr(0, root.size() - 1);
}

TEST(WorkspaceListing, AFolderIsTakenFromTheListingWhileItsTimeIsTheKeptOne) {
  const std::string folder = OldTree("zr-listing-kept");
  WorkspaceListing first;
  const std::vector<std::string> fresh = Scan(folder, nullptr, &first);
  ASSERT_EQ(fresh, (std::vector<std::string>{"top.c", "a\\a.c", "a\\deep\\d.c", "b\\b.c"}));
  // Through the file, as the next start reads it.
  const std::string path = folder + "-host.listing";
  ASSERT_TRUE(first.Write(path, folder));
  WorkspaceListing kept;
  ASSERT_TRUE(kept.Read(path, folder));
  EXPECT_EQ(kept.size(), 4u);
  ASSERT_NE(kept.Find("a"), nullptr);

  // A file added to a with a's time put back: the kept names are taken, so it is not seen.
  ASSERT_TRUE(WriteFileBytes(folder + "\\a\\new.c", "x"));
  ASSERT_TRUE(SetFolderTime(folder + "\\a", kLongAgo));
  EXPECT_EQ(Scan(folder, &kept, nullptr), fresh);

  // a's time moved: a alone is listed again, and the new file comes in the system's order.
  ASSERT_TRUE(SetFolderTime(folder + "\\a", kLongAgo + 10000000));
  WorkspaceListing second;
  std::vector<std::string> scanned = Scan(folder, &kept, &second);
  EXPECT_EQ(scanned, Scan(folder, nullptr, nullptr));
  EXPECT_EQ(scanned.size(), 5u);
  ASSERT_NE(second.Find("a"), nullptr);
  EXPECT_EQ(second.Find("a")->files.size(), 2u);
  // The skipped file stays out though the root's names come from the listing.
  EXPECT_EQ(kept.Find("")->files.size(), 2u);
  DeleteFileA(path.c_str());
}

TEST(WorkspaceListing, AFolderWrittenJustBeforeItsListingIsListedAgain) {
  const std::string folder = OldTree("zr-listing-recent");
  ASSERT_TRUE(WriteFileBytes(folder + "\\b\\b2.c", "x"));   // b's time is now
  WorkspaceListing made;
  Scan(folder, nullptr, &made);
  EXPECT_NE(made.Find("a"), nullptr);
  EXPECT_EQ(made.Find("b"), nullptr);
  // A second change in b within the same clock tick is still seen.
  ASSERT_TRUE(WriteFileBytes(folder + "\\b\\b3.c", "x"));
  std::vector<std::string> scanned = Scan(folder, &made, nullptr);
  EXPECT_EQ(scanned, Scan(folder, nullptr, nullptr));
  EXPECT_EQ(scanned.size(), 6u);
}

TEST(WorkspaceListing, AFileNotWholeOrOfAnotherWorkspaceIsNotRead) {
  const std::string folder = OldTree("zr-listing-bad");
  WorkspaceListing made;
  Scan(folder, nullptr, &made);
  const std::string path = folder + "-host.listing";
  ASSERT_TRUE(made.Write(path, folder));
  std::string text;
  {
    WorkspaceListing read;
    ASSERT_TRUE(read.Read(path, folder));
    EXPECT_FALSE(read.Read(path, folder + "-other"));
    EXPECT_EQ(read.size(), 0u);
  }
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  text.resize(GetFileSize(file, nullptr));
  DWORD got = 0;
  ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &got, nullptr);
  CloseHandle(file);
  const size_t end = text.rfind("end ");
  ASSERT_NE(end, std::string::npos);
  const size_t firstFolder = text.find("\nD ") + 1;
  const std::string cases[] = {
      text.substr(0, end),                                       // cut before its end
      text.substr(0, text.size() / 2),                           // cut in the middle
      text.substr(0, end) + "end 99\n",                          // another count
      text + "F late.c\n",                                       // a line after the end
      text.substr(0, firstFolder) + "D 12zz" + text.substr(firstFolder + 6),   // a time that is not hex
      text.substr(0, firstFolder) + "D -" + text.substr(firstFolder + 3),      // nor signed
      text.substr(0, firstFolder) + "X" + text.substr(firstFolder + 1),        // an unknown line
      "",
  };
  for (const std::string& bad : cases) {
    ASSERT_TRUE(WriteFileBytes(path, bad));
    WorkspaceListing read;
    EXPECT_FALSE(read.Read(path, folder)) << bad.size() << " bytes";
    EXPECT_EQ(read.size(), 0u);
  }
  DeleteFileA(path.c_str());
  WorkspaceListing missing;
  EXPECT_FALSE(missing.Read(path, folder));
}

// What may wait before a folder is listed (the host holds the listing back
// while its tags are parsed) holds up only the folders the system must list.
TEST(WorkspaceListing, OnlyTheFoldersListedAnewWaitForTheirTurn) {
  const std::string folder = OldTree("zr-listing-turns");
  std::atomic<int> turns(0);
  auto scan = [&](const WorkspaceListing* kept, WorkspaceListing* made) {
    std::atomic<size_t> found(0);
    turns = 0;
    return ScanWorkspace(folder, {folder + "\\tags"}, found, nullptr, kept, made, [&turns] { ++turns; });
  };
  WorkspaceListing kept;
  const std::vector<std::string> fresh = scan(nullptr, &kept);
  EXPECT_EQ(turns, 4);   // the root, a, a\deep and b
  EXPECT_EQ(scan(&kept, nullptr), fresh);
  EXPECT_EQ(turns, 0);
  ASSERT_TRUE(SetFolderTime(folder + "\\b", kLongAgo + 10000000));
  EXPECT_EQ(scan(&kept, nullptr), fresh);
  EXPECT_EQ(turns, 1);
}

TEST(WorkspaceListing, IsKeptBesideTheProfile) {
  EXPECT_EQ(WorkspaceListing::PathFor("C:\\p\\host.ini"), "C:\\p\\host.listing");
  EXPECT_EQ(WorkspaceListing::PathFor("C:\\p.d\\host"), "C:\\p.d\\host.listing");
}

}  // namespace
