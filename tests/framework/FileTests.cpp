#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "TestSupport.h"
#include "fw/File.h"

using fwtest::ReadAll;
using fwtest::TempFolder;
using fwtest::WriteAll;

namespace {
unsigned long long Ticks(const FILETIME& t) {
  return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}
FILETIME FromTicks(unsigned long long ticks) {
  FILETIME t;
  t.dwLowDateTime = static_cast<DWORD>(ticks);
  t.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return t;
}
}  // namespace

TEST(CFile, OpenCreateTruncateAndReadBack) {
  TempFolder folder;
  std::string path = folder.File("data.bin");
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write("0123456789", 10);
  }
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    EXPECT_EQ(file.GetLength(), 10);   // kept
    EXPECT_EQ(file.Seek(-3, CFile::end), 7);
    char tail[8] = {};
    EXPECT_EQ(file.Read(tail, 8), 3u);
    EXPECT_STREQ(tail, "789");
    EXPECT_EQ(file.Read(tail, 8), 0u);
    file.SeekToBegin();
    file.Write("ab", 2);
    file.Close();
    EXPECT_FALSE(file.IsOpen());
  }
  EXPECT_EQ(ReadAll(path), "ab23456789");
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);   // truncates
    EXPECT_EQ(file.GetLength(), 0);
  }
  CFile::Rename(path.c_str(), folder.File("moved.bin").c_str());
  CFileStatus status;
  EXPECT_FALSE(CFile::GetStatus(path.c_str(), status));
  CFile::Remove(folder.File("moved.bin").c_str());
  EXPECT_FALSE(CFile::GetStatus(folder.File("moved.bin").c_str(), status));
}

TEST(CFile, AnAdoptedHandleIsWrittenNamedInErrorsAndClosedWithTheObject) {
  TempFolder folder;
  std::string path = folder.File("adopted.bin");
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  {
    CFile file(handle, path.c_str());
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(file.GetFilePath(), path.c_str());
    file.Write("adopted", 7);
    file.Flush();
    try {
      char byte;
      file.Read(&byte, 1);   // a write-only handle refuses reading
      ADD_FAILURE() << "read on a write-only handle did not raise";
    } catch (CFileException* e) {
      EXPECT_EQ(e->m_strFileName, path.c_str());
      e->Delete();
    }
  }
  // The object closed the handle: the file it held exclusively opens again.
  EXPECT_EQ(ReadAll(path), "adopted");

  CFile closed(INVALID_HANDLE_VALUE, "none");
  EXPECT_FALSE(closed.IsOpen());
}

TEST(CFile, FailuresAreReported) {
  TempFolder folder;
  std::string missing = folder.File("missing.txt");
  CFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(error.m_strFileName, missing.c_str());

  // A file held exclusively cannot be opened a second time.
  std::string held = folder.File("held.txt");
  CFile owner(held.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
  EXPECT_FALSE(file.Open(held.c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
  owner.Close();

  // A failing write raises with the cause of the system's error.
  CFile readOnly(held.c_str(), CFile::modeRead);
  try {
    readOnly.Write("x", 1);
    ADD_FAILURE() << "write on a read-only handle did not raise";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::accessDenied);
    e->Delete();
  }
  EXPECT_THROW(CFile::Remove(missing.c_str()), CFileException*);
  try {
    CFile::Rename(missing.c_str(), held.c_str());
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
    e->Delete();
  }
}

TEST(CFile, ShortWriteRaisesDiskFull) {
  // A non-blocking pipe with a tiny buffer takes fewer bytes than offered.
  const char* name = "\\\\.\\pipe\\fwtest-shortwrite";
  HANDLE server = CreateNamedPipeA(name, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_NOWAIT, 1, 16, 16, 0, nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);
  HANDLE client = CreateFileA(name, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(client, INVALID_HANDLE_VALUE);
  ConnectNamedPipe(server, nullptr);
  std::string big(1 << 20, 'x');
  DWORD probe = 0;
  bool shortWrites = WriteFile(server, big.data(), static_cast<DWORD>(big.size()), &probe, nullptr) &&
                     probe < big.size();
  CFile file;
  file.m_hFile = server;   // the pipe through the file class
  int cause = CFileException::none;
  try {
    file.Write(big.data(), static_cast<unsigned>(big.size()));
  } catch (CFileException* e) {
    cause = e->m_cause;
    e->Delete();
  }
  file.Abort();
  CloseHandle(client);
  if (!shortWrites) GTEST_SKIP() << "this system does not report short pipe writes";
  EXPECT_EQ(cause, CFileException::diskFull);
}

TEST(CFile, SetStatusSetsOnlyTheModificationTimeToTheSecond) {
  TempFolder folder;
  std::string path = folder.File("dated.txt");
  WriteAll(path, "content");
  // Known creation and access times, with sub-second parts.
  const unsigned long long second = 10000000ULL;
  unsigned long long created = 13000000000ULL * second + 1234567;
  unsigned long long accessed = 13100000000ULL * second + 7654321;
  HANDLE handle = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  FILETIME c = FromTicks(created), a = FromTicks(accessed);
  ASSERT_TRUE(SetFileTime(handle, &c, &a, nullptr));
  CloseHandle(handle);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
  // Some file systems under Wine keep no creation time of their own (it follows
  // the modification time); the creation check applies where it is kept.
  WIN32_FILE_ATTRIBUTE_DATA before;
  ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &before));
  bool keepsCreation = Ticks(before.ftCreationTime) == created;

  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
  status.m_mtime = 1000000000;   // 2001-09-09 01:46:40 UTC
  status.m_ctime = 5;            // ignored
  status.m_atime = 5;
  status.m_attribute = 0;
  CFile::SetStatus(path.c_str(), status);

  WIN32_FILE_ATTRIBUTE_DATA after;
  ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &after));
  unsigned long long written = Ticks(after.ftLastWriteTime);
  EXPECT_EQ(written % second, 0u);
  EXPECT_EQ(written / second, 1000000000ULL + 11644473600ULL);
  if (keepsCreation) {
    EXPECT_EQ(Ticks(after.ftCreationTime), created);
  }
  EXPECT_EQ(Ticks(after.ftLastAccessTime), accessed);
  EXPECT_EQ(after.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ReadAll(path), "content");

  CFileStatus reread;
  ASSERT_TRUE(CFile::GetStatus(path.c_str(), reread));
  EXPECT_EQ(reread.m_mtime, 1000000000);
  EXPECT_EQ(reread.m_size, 7);

  EXPECT_THROW(CFile::SetStatus(folder.File("absent").c_str(), status), CFileException*);
}

TEST(CStdioFile, WritesCrLfAndReadsLinesBack) {
  TempFolder folder;
  std::string path = folder.File("text.vcproj");
  {
    CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    file.WriteString("<Files>\n");
    file.WriteString("\t<File RelativePath=\"a&b.cpp\"/>\n");
    file.WriteString("</Files>\n");
    file.WriteString("");
    file.WriteString("no end");
  }
  EXPECT_EQ(ReadAll(path), "<Files>\r\n\t<File RelativePath=\"a&b.cpp\"/>\r\n</Files>\r\nno end");

  // Lines longer than the read chunk, a lone LF and an empty line read back too.
  std::string longLine(2000, 'L');
  WriteAll(path, "first\r\n" + longLine + "\r\nlone\nend\r\n\r\nlast");
  CStdioFile file(path.c_str(), CFile::modeRead);
  CString line;
  const char* expected[] = {"first", longLine.c_str(), "lone", "end", "", "last"};
  for (const char* text : expected) {
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, text);
  }
  EXPECT_FALSE(file.ReadString(line));
  EXPECT_TRUE(line.IsEmpty());
}

TEST(CMemFile, GrowsWritesAndDetaches) {
  CMemFile file(1024);
  const int count = 100000;
  for (int i = 0; i < count; ++i) {
    unsigned char byte = static_cast<unsigned char>(i);
    file.Write(&byte, 1);
  }
  EXPECT_EQ(file.GetLength(), count);
  file.Seek(10, CFile::begin);
  unsigned char read[4];
  EXPECT_EQ(file.Read(read, 4), 4u);
  EXPECT_EQ(read[0], 10);
  EXPECT_EQ(read[3], 13);
  file.Seek(count + 2, CFile::begin);   // past the end: the gap reads as zeros
  file.Write("z", 1);
  EXPECT_EQ(file.GetLength(), count + 3);
  EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException*);

  unsigned char* buffer = file.Detach();
  ASSERT_NE(buffer, nullptr);
  EXPECT_EQ(buffer[count - 1], static_cast<unsigned char>(count - 1));
  EXPECT_EQ(buffer[count], 0);
  EXPECT_EQ(buffer[count + 2], 'z');
  std::free(buffer);
  EXPECT_EQ(file.GetLength(), 0);
  EXPECT_EQ(file.Read(read, 4), 0u);
}
