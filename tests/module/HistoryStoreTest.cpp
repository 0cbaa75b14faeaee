// The three histories as the host's profile store sees them: loaded by
// ZorvoRegCreate and written back by ZorvoRegDestroy in the stored format.
#include <string>
#include "fw/WinApp.h"
#include "tests/module/ModuleHostSide.h"

namespace {

const char kSection[] = "Config";
const char kFileKey[] = "FilenameEditList";
const char kParentKey[] = "TagParentEditList";
const char kTagKey[] = "TagEditList";
const char kAbsent[] = "<absent>";

// Each test starts from an empty profile file of its own.
class HistoryStoreTest : public ModuleHostTest {
 protected:
  void SetUp() override {
    ModuleHostTest::SetUp();
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    m_path.Format("%szr_history_%lu.ini", folder, GetCurrentProcessId());
    DeleteFileA(m_path);
    m_previousPath = AfxGetApp()->GetProfilePath();
    AfxGetApp()->SetProfilePath(m_path);
  }
  void TearDown() override {
    ModuleHostTest::TearDown();
    AfxGetApp()->SetProfilePath(m_previousPath);
    DeleteFileA(m_path);
  }

  static void Store(const char* key, const std::string& value) {
    ASSERT_TRUE(AfxGetApp()->WriteProfileString(kSection, key, value.c_str()));
  }
  static std::string Stored(const char* key) {
    return static_cast<const char*>(AfxGetApp()->GetProfileString(kSection, key, kAbsent));
  }
  // ZorvoRegCreate loads, ZorvoRegDestroy saves.
  void RunModule() {
    ASSERT_NE(Create(), nullptr);
    AfxPumpPendingMessages();
    loader.Destroy();
  }

 private:
  CString m_path;
  CString m_previousPath;
};

TEST_F(HistoryStoreTest, EveryEntryIsWrittenBackWithItsSeparator) {
  Store(kFileKey, "alpha|beta");     // no final separator
  Store(kParentKey, "alpha||beta|");  // an empty entry
  Store(kTagKey, "|");                // one empty entry
  RunModule();
  EXPECT_EQ(Stored(kFileKey), "alpha|beta|");
  EXPECT_EQ(Stored(kParentKey), "alpha||beta|");
  EXPECT_EQ(Stored(kTagKey), "|");
}

TEST_F(HistoryStoreTest, EmptyAndMissingValuesAreWrittenAsEmpty) {
  Store(kParentKey, "");
  Store(kTagKey, "x|");
  RunModule();
  EXPECT_EQ(Stored(kFileKey), "");   // written although it was missing
  EXPECT_EQ(Stored(kParentKey), "");
  EXPECT_EQ(Stored(kTagKey), "x|");
}

TEST_F(HistoryStoreTest, ListsLongerThanAComboBoxAreKeptWhole) {
  std::string withSeparator, withoutSeparator;
  for (int i = 0; i < 300; ++i) {
    withSeparator += "file" + std::to_string(i) + "|";
    withoutSeparator += (i ? "|tag" : "tag") + std::to_string(i);
  }
  Store(kFileKey, withSeparator);
  Store(kTagKey, withoutSeparator);
  RunModule();
  EXPECT_EQ(Stored(kFileKey), withSeparator);
  EXPECT_EQ(Stored(kTagKey), withoutSeparator + "|");
  EXPECT_EQ(Stored(kParentKey), "");
}

TEST_F(HistoryStoreTest, SpacesAndOtherCharactersSurvive) {
  const std::string value = " leading|trailing |in between|=;[x]\t|";
  Store(kParentKey, value);
  RunModule();
  EXPECT_EQ(Stored(kParentKey), value);
}

}  // namespace
