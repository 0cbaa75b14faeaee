// A save whose write fails after its file was opened. Runs only under the
// file-size limit that disk-full.sh sets (ctest extrafiles_disk_full).
#include <cstdlib>
#include "fw/Exceptions.h"
#include "tests/extrafiles/ExtraFilesHost.h"

namespace {

class SaveOnFullDisk : public ExtraFilesTest {};

TEST_F(SaveOnFullDisk, KeepsTheOldFileAndRaisesTheFileException) {
  const char* limit = std::getenv("ZR_FILE_SIZE_LIMIT_KB");
  if (!limit) GTEST_SKIP() << "runs under disk-full.sh only";
  SetModuleEntries({{"small.cpp", 1}});
  ASSERT_TRUE(Save());
  const std::string old = ReadBytes(path);
  ASSERT_EQ(old, Image({{"small.cpp", 1}}));

  // Five names of 65535 bytes: more than the limit allows one file to hold.
  const long limitBytes = std::atol(limit) * 1024;
  std::vector<HostExtraFileEntry> big;
  for (long written = 0; written <= limitBytes; written += 65538) big.push_back({CString('b', 65535), 3});
  SetModuleEntries(big);
  bool raised = false;
  try {
    Save();
  } catch (CFileException* e) {
    raised = true;
    e->Delete();
  }
  EXPECT_TRUE(raised);
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"extra.xef"});
}

}  // namespace
