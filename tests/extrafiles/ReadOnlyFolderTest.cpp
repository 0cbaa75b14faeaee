// Saving into a folder whose entries cannot change. Runs only under
// readonly-folder.sh (ctest extrafiles_readonly_folder), which makes the
// folder, puts a file in it and makes it immutable.
#include <cstdlib>
#include "tests/extrafiles/ExtraFilesHost.h"
#include "tests/extrafiles/FolderSnapshot.h"

namespace {

class SaveIntoReadOnlyFolder : public ExtraFilesTest {};

TEST_F(SaveIntoReadOnlyFolder, WritesNothingAndSaysSo) {
  const char* readOnly = std::getenv("ZR_READONLY_FOLDER");
  if (!readOnly) GTEST_SKIP() << "runs under readonly-folder.sh only";
  SetModuleEntries({{"abc", 1}});
  const std::string before = Snapshot(readOnly);
  ASSERT_NE(before.find("extra.xef"), std::string::npos) << before;
  for (const char* name : {"\\extra.xef", "\\new.xef"}) {
    TheWorkspace().SetExtraFilesPath(CString(readOnly) + name);
    EXPECT_FALSE(Save()) << name;
    EXPECT_EQ(Snapshot(readOnly), before) << name;
  }
}

}  // namespace
