// Saving and loading among symbolic links. Runs only under links.sh (ctest
// extrafiles_links), which makes the links and checks afterwards that they
// are still links.
#include <cstdlib>
#include "tests/extrafiles/ExtraFilesHost.h"

namespace {

class ThroughLinks : public ExtraFilesTest {
 protected:
  void SetUp() override {
    ExtraFilesTest::SetUp();
    links = std::getenv("ZR_LINKS_FOLDER");
    if (!links) GTEST_SKIP() << "runs under links.sh only";
  }
  const char* links = nullptr;
};

TEST_F(ThroughLinks, ASaveReplacesTheFileALinkLeadsTo) {
  const CString link = CString(links) + "\\extra.xef";
  TheWorkspace().SetExtraFilesPath(link);
  SetModuleEntries({{"abc", 1}});
  EXPECT_TRUE(Save());
  EXPECT_EQ(ReadBytes(CString(links) + "\\real.xef"), Image({{"abc", 1}}));
  EXPECT_EQ(ReadBytes(link), Image({{"abc", 1}}));
  // No temporary left beside the link or beside its file. (A listing leaves
  // out bad.xef.old, which cannot be examined; links.sh checks it is still there.)
  EXPECT_EQ(FolderEntries(links), (std::vector<std::string>{"bad.xef", "extra.xef", "real.xef"}));
  SetModuleEntries({});
  EXPECT_TRUE(Load(false));
  EXPECT_EQ(ModuleEntries().size(), 1u);
}

TEST_F(ThroughLinks, ASetAsideNameThatCannotBeExaminedIsPassedOver) {
  const CString bad = CString(links) + "\\bad.xef";
  ASSERT_EQ(GetFileAttributesA(bad + ".old"), INVALID_FILE_ATTRIBUTES);
  ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  TheWorkspace().SetExtraFilesPath(bad);
  EXPECT_FALSE(Load(false));
  EXPECT_FALSE(Exists(bad));
  EXPECT_EQ(ReadBytes(bad + ".old.1"), "not an extra-files file");
  EXPECT_EQ(FolderEntries(links), (std::vector<std::string>{"bad.xef.old.1", "extra.xef", "real.xef"}));
}

}  // namespace
