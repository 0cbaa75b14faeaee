#include <gtest/gtest.h>

#include <cstring>

#include "Peer.h"
#include "fw/Exceptions.h"
#include "fw/File.h"

TEST(Exceptions, MemoryExceptionFromTheDllIsCaughtHere) {
  bool caught = false;
  try {
    PeerThrowMemory();
  } catch (CMemoryException* e) {
    caught = true;
    char text[64];
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof(text)));
    e->Delete();
  }
  EXPECT_TRUE(caught);
}

TEST(Exceptions, FileExceptionFromTheDllCarriesCauseAndName) {
  const char* path = "C:\\no-such-folder-fwtest\\missing.bin";
  bool caught = false;
  try {
    PeerOpenMissingFile(path);
  } catch (CException* base) {   // caught through the base class as well
    CFileException* e = dynamic_cast<CFileException*>(base);
    ASSERT_NE(e, nullptr);
    caught = true;
    EXPECT_EQ(e->m_cause, CFileException::badPath);
    EXPECT_EQ(e->m_lOsError, ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(e->m_strFileName, path);
    char text[300];
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof(text)));
    EXPECT_NE(std::strstr(text, "missing.bin"), nullptr);
    e->Delete();
  }
  EXPECT_TRUE(caught);
}

TEST(Exceptions, OsErrorsMapToCauses) {
  EXPECT_EQ(CFileException::OsErrorToCause(ERROR_FILE_NOT_FOUND), CFileException::fileNotFound);
  EXPECT_EQ(CFileException::OsErrorToCause(ERROR_ACCESS_DENIED), CFileException::accessDenied);
  EXPECT_EQ(CFileException::OsErrorToCause(ERROR_SHARING_VIOLATION), CFileException::sharingViolation);
  EXPECT_EQ(CFileException::OsErrorToCause(ERROR_DISK_FULL), CFileException::diskFull);
  EXPECT_EQ(CFileException::OsErrorToCause(ERROR_HANDLE_DISK_FULL), CFileException::diskFull);
  EXPECT_EQ(CFileException::OsErrorToCause(123456), CFileException::genericException);
  char tiny[4];
  CFileException e(CFileException::diskFull, ERROR_DISK_FULL, "x");
  EXPECT_TRUE(e.GetErrorMessage(tiny, sizeof(tiny)));   // cut to fit, terminated
  EXPECT_EQ(std::strlen(tiny), 3u);
  EXPECT_FALSE(e.GetErrorMessage(tiny, 0));
}
