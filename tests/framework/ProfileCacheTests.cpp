// The profile store answers from the file's content in memory and reads the
// file again only when it changed on disk.
#include <string>
#include <thread>
#include <vector>

#include "ProfileFixture.h"

using fwtest::ReadAll;
using fwtest::WriteAll;

namespace {

struct Times {
  FILETIME created, written;
};

Times TimesOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA info = {};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &info);
  return Times{info.ftCreationTime, info.ftLastWriteTime};
}

void SetTimes(const std::string& path, const Times& times) {
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  SetFileTime(file, &times.created, nullptr, &times.written);
  CloseHandle(file);
}

FILETIME SecondsLater(FILETIME time, unsigned seconds) {
  unsigned long long ticks = (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  ticks += seconds * 10000000ULL;
  time.dwLowDateTime = static_cast<DWORD>(ticks);
  time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return time;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

// Opens path so that nobody else can open it until Close.
class ExclusiveHold {
 public:
  explicit ExclusiveHold(const std::string& path)
      : m_file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~ExclusiveHold() { Close(); }
  bool Held() const { return m_file != INVALID_HANDLE_VALUE; }
  void Close() {
    if (Held()) CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE m_file;
};

// Opens path as a reader does, sharing everything.
HANDLE OpenAsReader(const std::string& path) {
  return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

TEST_F(ProfileStore, ReadsComeFromMemoryWhileTheFileIsUnchanged) {
  ASSERT_TRUE(theApp.WriteProfileString("Config", "TagEditList", "a|b|"));
  ASSERT_TRUE(theApp.WriteProfileInt("WindowPositions\\ID=0x00000064", "Sub1", 77));
  // Nobody can open the file now, yet the store answers: it did not read it again.
  ExclusiveHold hold(m_path);
  ASSERT_TRUE(hold.Held());
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "a|b|");
  EXPECT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000064", "Sub1", 0), 77);
  EXPECT_EQ(theApp.GetProfileString("Config", "Missing", "dflt"), "dflt");
  // A write that changes nothing needs no new file; one that does cannot replace a held file.
  EXPECT_TRUE(theApp.WriteProfileString("Config", "TagEditList", "a|b|"));
  EXPECT_FALSE(theApp.WriteProfileString("Config", "TagEditList", "c|"));
  hold.Close();
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "a|b|");
}

TEST_F(ProfileStore, AFileChangedBehindTheCacheIsReadAgain) {
  ASSERT_TRUE(theApp.WriteProfileString("Config", "TagEditList", "alpha|"));
  ASSERT_EQ(theApp.GetProfileString("Config", "TagEditList"), "alpha|");
  const std::string original = ReadAll(m_path);
  Times times = TimesOf(m_path);

  // The same size with a later time.
  WriteAll(m_path, Replaced(original, "alpha|", "gamma|"));
  times.written = SecondsLater(times.written, 10);
  SetTimes(m_path, times);
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "gamma|");

  // Another size with the times it had when last read.
  times = TimesOf(m_path);
  WriteAll(m_path, Replaced(original, "alpha|", "alpha|beta|") + "[Other]\r\nk=v\r\n");
  SetTimes(m_path, times);
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "alpha|beta|");
  EXPECT_EQ(theApp.GetProfileString("Other", "k"), "v");

  // A file moved over it (another tool's crash-safe save), then a write of ours:
  // the write starts from the new file, not from memory.
  const std::string other = m_folder.File("other.ini");
  WriteAll(other, "[Config]\r\nFilenameEditList=f|\r\n");
  ASSERT_TRUE(MoveFileExA(other.c_str(), m_path.c_str(), MOVEFILE_REPLACE_EXISTING));
  ASSERT_TRUE(theApp.WriteProfileInt("WindowPositions\\ID=0x00000064", "Sub2", 5));
  EXPECT_EQ(theApp.GetProfileString("Config", "FilenameEditList"), "f|");
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList", "gone"), "gone");
  EXPECT_EQ(ReadAll(m_path), "[Config]\r\nFilenameEditList=f|\r\n\r\n[WindowPositions\\ID=0x00000064]\r\nSub2=5\r\n");

  // The file removed: every value reads as its default.
  ASSERT_TRUE(DeleteFileA(m_path.c_str()));
  EXPECT_EQ(theApp.GetProfileString("Config", "FilenameEditList", "none"), "none");
}

TEST_F(ProfileStore, ASecondProcessWritingAValueOfTheSameLengthIsSeen) {
  ASSERT_TRUE(theApp.WriteProfileString("WindowPositions\\ID=0x00000064", "Sub2", "11"));
  ASSERT_EQ(theApp.GetProfileInt("WindowPositions\\ID=0x00000064", "Sub2", 0), 11);
  for (const char* value : {"22", "11", "33"}) {
    ASSERT_EQ(RunHelper("write", "WindowPositions\\ID=0x00000064", "Sub2", value), 0);
    EXPECT_EQ(theApp.GetProfileString("WindowPositions\\ID=0x00000064", "Sub2"), value);
  }
  // Our next write keeps what the other process added.
  ASSERT_EQ(RunHelper("write", "Other", "key", "theirs"), 0);
  ASSERT_TRUE(theApp.WriteProfileString("Config", "TagEditList", "ours|"));
  EXPECT_EQ(RunHelper("read", "Other", "key", "theirs"), 0);
  EXPECT_EQ(RunHelper("read", "Config", "TagEditList", "ours|"), 0);
  EXPECT_EQ(RunHelper("read", "WindowPositions\\ID=0x00000064", "Sub2", "33"), 0);
}

TEST_F(ProfileStore, AFileThatCannotBeReadIsNeverAnsweredFromMemoryNorReplaced) {
  ASSERT_TRUE(theApp.WriteProfileString("Config", "TagEditList", "kept|"));
  ASSERT_EQ(theApp.GetProfileString("Config", "TagEditList"), "kept|");

  // Changed behind the cache, then held so that it cannot be read.
  const std::string changed = "[Config]\r\nTagEditList=theirs|\r\nOther=1\r\n";
  WriteAll(m_path, changed);
  {
    ExclusiveHold hold(m_path);
    ASSERT_TRUE(hold.Held());
    EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList", "unreadable"), "unreadable");
    EXPECT_FALSE(theApp.WriteProfileString("Config", "TagEditList", "mine|"));
    EXPECT_FALSE(theApp.WriteProfileString("Config", nullptr, nullptr));
  }
  EXPECT_EQ(ReadAll(m_path), changed);
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "theirs|");

  // The profile's path turned into a folder.
  ASSERT_TRUE(DeleteFileA(m_path.c_str()));
  ASSERT_TRUE(CreateDirectoryA(m_path.c_str(), nullptr));
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList", "unreadable"), "unreadable");
  EXPECT_FALSE(theApp.WriteProfileString("Config", "TagEditList", "mine|"));
  EXPECT_NE(GetFileAttributesA(m_path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  ASSERT_TRUE(RemoveDirectoryA(m_path.c_str()));

  // Read-only after it was read: the write is refused and memory keeps no trace of it.
  ASSERT_TRUE(theApp.WriteProfileString("Config", "TagEditList", "again|"));
  ASSERT_TRUE(SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::string readOnly = ReadAll(m_path);
  EXPECT_FALSE(theApp.WriteProfileString("Config", "TagEditList", "refused|"));
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "again|");
  EXPECT_EQ(ReadAll(m_path), readOnly);
  SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ProfileStore, ThreadsShareOneStore) {
  const int kThreads = 2;
  const int kKeys = 30;
  std::vector<int> wrong(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int k = 0; k < kKeys; ++k) {
        const std::string key = "t" + std::to_string(t) + "k" + std::to_string(k);
        if (!theApp.WriteProfileInt("Threads", key.c_str(), t * 1000 + k)) ++wrong[static_cast<size_t>(t)];
        if (theApp.GetProfileInt("Threads", key.c_str(), -1) != t * 1000 + k) ++wrong[static_cast<size_t>(t)];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  // Every value reached the file: a second application object reads it afresh.
  CWinApp fresh("fresh");
  fresh.SetProfilePath(m_path.c_str());
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_EQ(wrong[static_cast<size_t>(t)], 0);
    for (int k = 0; k < kKeys; ++k)
      EXPECT_EQ(fresh.GetProfileInt("Threads", ("t" + std::to_string(t) + "k" + std::to_string(k)).c_str(), -1),
                t * 1000 + k);
  }
}

// Another process saves within the clock tick of our own save (the times are
// put back to say so) and its file has our file's size: only the file's
// identity tells the change.
TEST_F(ProfileStore, AnotherProcessSavingWithinOneClockTickIsSeenAndKept) {
  const char* const section = "WindowPositions\\ID=0x00000064";
  ASSERT_TRUE(theApp.WriteProfileString(section, "Sub2", "11"));
  const Times ours = TimesOf(m_path);
  const std::string before = ReadAll(m_path);
  ASSERT_EQ(RunHelper("write", section, "Sub2", "22"), 0);
  SetTimes(m_path, ours);
  const Times now = TimesOf(m_path);
  ASSERT_EQ(CompareFileTime(&now.written, &ours.written), 0);
  ASSERT_EQ(CompareFileTime(&now.created, &ours.created), 0);
  ASSERT_EQ(ReadAll(m_path).size(), before.size());

  // Our next write starts from their file.
  ASSERT_TRUE(theApp.WriteProfileString(section, "Sub3", "1"));
  EXPECT_EQ(RunHelper("read", section, "Sub2", "22"), 0) << ReadAll(m_path);
  EXPECT_EQ(RunHelper("read", section, "Sub3", "1"), 0) << ReadAll(m_path);

  // A read sees their next save too.
  const Times ours2 = TimesOf(m_path);
  ASSERT_EQ(RunHelper("write", section, "Sub2", "33"), 0);
  SetTimes(m_path, ours2);
  EXPECT_EQ(theApp.GetProfileString(section, "Sub2"), "33");
}

// A program that rewrites the file in place keeps its identity; with the same
// size and the times put back nothing on disk tells the change. Our next
// change still keeps theirs: every replace starts from the file as it is.
TEST_F(ProfileStore, AChangeInPlaceThatLeavesNoTraceSurvivesOurNextChange) {
  ASSERT_TRUE(theApp.WriteProfileString("Config", "TagEditList", "alpha|"));
  ASSERT_EQ(theApp.GetProfileString("Config", "TagEditList"), "alpha|");
  const Times ours = TimesOf(m_path);
  WriteAll(m_path, Replaced(ReadAll(m_path), "alpha|", "gamma|"));
  SetTimes(m_path, ours);
  ASSERT_TRUE(theApp.WriteProfileString("Config", "FilenameEditList", "f|"));
  EXPECT_EQ(RunHelper("read", "Config", "TagEditList", "gamma|"), 0) << ReadAll(m_path);
  EXPECT_EQ(RunHelper("read", "Config", "FilenameEditList", "f|"), 0) << ReadAll(m_path);
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "gamma|");
}

// While anyone has the file open, it cannot be replaced. A write waits a
// while for a reader to let go; one that holds on fails the write, which then
// changes nothing.
TEST_F(ProfileStore, AWriteWaitsForAReaderToLetGoAndFailsWhenItHoldsOn) {
  ASSERT_TRUE(theApp.WriteProfileString("Config", "TagEditList", "11|"));
  const std::string written = ReadAll(m_path);

  HANDLE reader = OpenAsReader(m_path);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(theApp.WriteProfileString("Config", "TagEditList", "22|"));
  EXPECT_EQ(ReadAll(m_path), written);
  EXPECT_EQ(theApp.GetProfileString("Config", "TagEditList"), "11|");
  EXPECT_EQ(m_folder.FileNames(), std::vector<std::string>{"settings.ini"});   // no temporary file left
  CloseHandle(reader);

  reader = OpenAsReader(m_path);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  std::thread letGo([reader] {
    Sleep(150);
    CloseHandle(reader);
  });
  SetLastError(0);
  EXPECT_TRUE(theApp.WriteProfileString("Config", "TagEditList", "33|")) << "error " << GetLastError();
  letGo.join();
  EXPECT_EQ(RunHelper("read", "Config", "TagEditList", "33|"), 0) << ReadAll(m_path);
  EXPECT_EQ(m_folder.FileNames(), std::vector<std::string>{"settings.ini"});
}
