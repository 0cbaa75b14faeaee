// The extra-files path at lengths around the ANSI file API's limit, made two
// ways: a long file name in a short folder, and a short name at the end of a
// deep folder. Whatever the length, a saved list comes back whole, or both
// the save and the load report false and nothing is left behind.
#include "tests/extrafiles/ExtraFilesHost.h"
#include "tests/extrafiles/FolderSnapshot.h"

namespace {

class PathLengthTest : public ExtraFilesTest {
 protected:
  // A path of exactly length characters in sub: one long file name.
  static std::string LongName(const std::string& sub, size_t length) {
    return sub + "\\" + std::string(length - sub.size() - 1, 'n');
  }
  // A path of exactly length characters in sub: folders of at most 100
  // characters down to the name "extra.xef". The folders are made here.
  static std::string DeepFolder(const std::string& sub, size_t length) {
    const std::string name = "\\extra.xef";
    std::string deep = sub;
    size_t rest = length - name.size() - sub.size();
    while (rest > 0) {
      // Each step adds a backslash and a component; never leave one of 1.
      size_t component = rest - 1 <= 100 ? rest - 1 : (rest - 101 >= 2 ? 100 : 50);
      deep += "\\" + std::string(component, 'd');
      rest -= component + 1;
    }
    EXPECT_TRUE(CreateFolders(deep));
    return deep + name;
  }

  // Saves a list at target and loads it back; sub is the folder the case works in.
  void ExpectRoundTrip(const std::string& sub, const std::string& target) {
    const std::vector<HostExtraFileEntry> list = {{"src\\a.cpp", 1}, {"b.h", 2}, {"", 3}};
    TheWorkspace().SetExtraFilesPath(target.c_str());
    SetModuleEntries(list);
    const std::string before = Snapshot(sub);
    const bool saved = Save();
    SetModuleEntries({{"other", 3}});
    const bool loaded = Load(false);
    // Below MAX_PATH every Windows takes the path: the round trip must work there.
    if (target.size() < MAX_PATH) {
      EXPECT_TRUE(saved);
    }
    if (saved) {
      EXPECT_TRUE(loaded);
      EXPECT_EQ(ReadLongPath(target), Image(list));
      const std::vector<HostExtraFileEntry> back = ModuleEntries();
      ASSERT_EQ(back.size(), list.size());
      for (size_t i = 0; i < back.size(); ++i) {
        EXPECT_STREQ(back[i].name, list[i].name);
        EXPECT_EQ(back[i].flags & 3, list[i].flags);
      }
    } else {
      EXPECT_FALSE(loaded);
      EXPECT_TRUE(ModuleEntries().empty());
      EXPECT_EQ(Snapshot(sub), before);
    }
  }
};

TEST_F(PathLengthTest, ASavedListComesBackWholeOrBothCallsSayFalse) {
  const struct {
    const char* shape;
    std::string (*make)(const std::string& sub, size_t length);
  } shapes[] = {{"a long file name", &LongName}, {"a deep folder", &DeepFolder}};
  for (const auto& shape : shapes) {
    for (size_t length : {200, 259, 260, 261, 270, 300}) {
      SCOPED_TRACE(std::string(shape.shape) + ", " + std::to_string(length) + " characters");
      const std::string sub = std::string(folder) + "\\case";
      ASSERT_TRUE(CreateFolders(sub));
      ExpectRoundTrip(sub, shape.make(sub, length));
      RemoveTree(sub.c_str());
    }
  }
}

// Where the path itself still fits but no set-aside name does, a bad file
// stays where it is, byte for byte, and the load says false.
TEST_F(PathLengthTest, ABadFileWithNoRoomForASetAsideNameStaysWhereItIs) {
  for (size_t length : {MAX_PATH - 1, MAX_PATH}) {
    SCOPED_TRACE(std::to_string(length) + " characters");
    const std::string sub = std::string(folder) + "\\b";
    ASSERT_TRUE(CreateFolders(sub));
    const std::string target = LongName(sub, length);
    ASSERT_TRUE(WriteLongPath(target, "not an extra-files file"));
    const std::string before = Snapshot(sub);
    TheWorkspace().SetExtraFilesPath(target.c_str());
    EXPECT_FALSE(Load(false));
    EXPECT_EQ(Snapshot(sub), before);
    RemoveTree(sub.c_str());
  }
}

}  // namespace
