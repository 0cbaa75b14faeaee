// The workspace's files as the host scans them, two threads taking folder
// after folder: the same names in the same order as a folder-by-folder scan.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <atomic>
#include <string>
#include <vector>
#include "ProgramRunner.h"
#include "host/app/WorkspaceScan.h"

namespace {

// The scan as one thread makes it: a folder's files as the system lists
// them, then each of its folders in turn.
void OneByOne(const std::string& root, const std::string& relative, std::vector<std::string>& files) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((root + relative + "*").c_str(), &entry);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  std::vector<std::string> folders;
  do {
    std::string name = entry.cFileName;
    if (name[0] == '.' || name == "build" || name.compare(0, 6, "build-") == 0) continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      folders.push_back(relative + name + "\\");
    else if (relative + name != "tags" && relative + name != "zorvoreg.xf")
      files.push_back(relative + name);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  for (const std::string& folder : folders) OneByOne(root, folder, files);
}

TEST(WorkspaceScan, TheTwoThreadsListWhatOneThreadListsInTheSameOrder) {
  std::string root = FreshFolder("zr-scan");
  std::string folder = root.substr(0, root.size() - 1);
  const char* folders[] = {"a", "a\\deep", "a\\deep\\er", "b", "c", ".git", "build", "build-x", "d", "e", "f"};
  for (const char* name : folders) CreateDirectoryA((root + name).c_str(), nullptr);
  const char* files[] = {"top.c", "tags", "zorvoreg.xf", ".hidden", "a\\a1.c", "a\\deep\\d1.c", "a\\deep\\er\\e.c",
                         "a\\a2.h", "b\\b.c", ".git\\config", "build\\out.o", "build-x\\out.o", "d\\d.c", "e\\e1.c",
                         "e\\e2.c", "f\\f.c", "main.c"};
  for (const char* name : files) ASSERT_TRUE(WriteFileBytes(root + name, "x"));
  std::vector<std::string> expected;
  OneByOne(root, "", expected);
  ASSERT_EQ(expected.size(), 11u);   // folder c is empty; dotted and build names, tags and zorvoreg.xf are left out
  std::atomic<size_t> found(0);
  size_t ticks = 0;
  std::vector<std::string> scanned =
      ScanWorkspace(folder, {root + "tags", root + "zorvoreg.xf", "C:\\elsewhere\\tags"}, found, [&] { ++ticks; });
  EXPECT_EQ(scanned, expected);
  EXPECT_EQ(found.load(), expected.size());
  // Ticks come from this thread's files only: at least the top folder's.
  EXPECT_GE(ticks, 2u);
  EXPECT_LE(ticks, expected.size());
}

// Folders at every depth, of every size, so that each thread lists folders
// of the other's parents and the files must still come in one thread's order.
TEST(WorkspaceScan, FoldersListedByEitherThreadComeInOneThreadsOrder) {
  std::string root = FreshFolder("zr-scan-deep");
  std::string folder = root.substr(0, root.size() - 1);
  int made = 0;
  for (int a = 0; a < 4; ++a) {
    std::string top = root + "t" + std::to_string(a) + "\\";
    CreateDirectoryA(top.c_str(), nullptr);
    for (int b = 0; b < 2 + a * 2; ++b) {
      std::string middle = top + "m" + std::to_string(b) + "\\";
      CreateDirectoryA(middle.c_str(), nullptr);
      for (int c = 0; c < 3; ++c) {
        std::string deep = middle + "d" + std::to_string(c) + "\\";
        CreateDirectoryA(deep.c_str(), nullptr);
        for (int f = 0; f < (a + b + c) % 4; ++f, ++made) ASSERT_TRUE(WriteFileBytes(deep + "f" + std::to_string(f) + ".c", "x"));
      }
      ASSERT_TRUE(WriteFileBytes(middle + "m.h", "x"));
      ++made;
    }
    ASSERT_TRUE(WriteFileBytes(top + "t.c", "x"));
    ++made;
  }
  std::vector<std::string> expected;
  OneByOne(root, "", expected);
  ASSERT_EQ(expected.size(), static_cast<size_t>(made));
  std::atomic<size_t> found(0);
  for (int run = 0; run < 5; ++run) {
    found = 0;
    EXPECT_EQ(ScanWorkspace(folder, {}, found, nullptr), expected) << "run " << run;
    EXPECT_EQ(found.load(), expected.size());
  }
}

}  // namespace
