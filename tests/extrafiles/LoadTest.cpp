// LoadExtraFiles seen from the host: every outcome, and what becomes of a
// file that is not a valid extra-files file.
#include "tests/extrafiles/ExtraFilesHost.h"

namespace {

// No synchronisation: the workspace is asked for the path and nothing more.
const Expected kPathOnly[] = {
    {"workspace", 6, "GetExtraFilesPath", ""},
};

class LoadTest : public ExtraFilesTest {
 protected:
  // Loads a bad file and checks that it was set aside as path + ".old".
  void ExpectSetAside(const std::string& bytes) {
    SetModuleEntries({{"held", 1}});
    WriteBytes(path, bytes);
    EXPECT_FALSE(Load(false)) << Hex(bytes);
    EXPECT_TRUE(ModuleEntries().empty());
    EXPECT_FALSE(Exists(path));
    EXPECT_TRUE(Exists(path + ".old"));
    EXPECT_EQ(ReadBytes(path + ".old"), bytes);
    EXPECT_TRUE(Load(false));   // nothing there any more
    DeleteFileA(path + ".old");
  }
};

std::string Plain(const std::string& afterHeader) { return Scrambled(std::string("QXEF\x01\x00", 6) + afterHeader); }

TEST_F(LoadTest, ReadsBackWhatWasSaved) {
  const std::vector<HostExtraFileEntry> lists[] = {
      {}, {{"abc", 1}}, {{"abc", 3}, {"de", 2}}, {{"", 0}, {"a b&c\"<d>.h", 3}, {"", 1}, {"z", 0}}};
  for (const auto& entries : lists) {
    SetModuleEntries(entries);
    ASSERT_TRUE(Save());
    SetModuleEntries({{"other", 3}});
    EXPECT_TRUE(Load(false));
    const std::vector<HostExtraFileEntry> loaded = ModuleEntries();
    ASSERT_EQ(loaded.size(), entries.size());
    for (size_t i = 0; i < loaded.size(); ++i) {
      EXPECT_STREQ(loaded[i].name, entries[i].name);
      EXPECT_EQ(loaded[i].flags & 3, entries[i].flags & 3);
    }
  }
}

TEST_F(LoadTest, NoFileGivesTrueAndEmptiesTheList) {
  SetModuleEntries({{"held", 1}, {"also", 2}});
  EXPECT_TRUE(Load(true));
  EXPECT_TRUE(ModuleEntries().empty());
  EXPECT_TRUE(FolderEntries(folder).empty());
}

TEST_F(LoadTest, AFileThatCannotBeOpenedGivesFalseAndStaysUntouched) {
  const std::string bytes = Image({{"abc", 1}});
  WriteBytes(path, bytes);
  SetModuleEntries({{"held", 1}});
  HANDLE exclusive = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(Load(true));
  EXPECT_TRUE(ModuleEntries().empty());
  CloseHandle(exclusive);
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"extra.xef"});
}

TEST_F(LoadTest, WrongMagicOrVersionSetsTheFileAside) {
  ExpectSetAside(Scrambled(std::string("QXEG\x01\x00\x00\x00\x00\x00", 10)));
  ExpectSetAside(std::string("qxef\x01\x00\x80\x40\x20\x10", 10));
  ExpectSetAside(std::string("QXEF\x02\x00\x80\x40\x20\x10", 10));
  ExpectSetAside(std::string("QXEF\x01\x01\x80\x40\x20\x10", 10));
  ExpectSetAside(std::string("QXEF\x00\x00\x80\x40\x20\x10", 10));
}

TEST_F(LoadTest, TruncatedFilesAreBadFilesAndLeaveNothingLoaded) {
  ExpectSetAside("");
  ExpectSetAside("QXE");
  ExpectSetAside("QXEF\x01");
  ExpectSetAside(std::string("QXEF\x01\x00", 6));
  ExpectSetAside(Plain(std::string("\x00\x00\x00", 3)));
  // Count beyond the records present; the first record is whole.
  ExpectSetAside(Plain(std::string("\x02\x00\x00\x00" "\x01\x03\x00" "abc", 10)));
  // A length beyond the data.
  ExpectSetAside(Plain(std::string("\x01\x00\x00\x00" "\x01\x04\x00" "abc", 10)));
  // A record cut inside its length field; a huge count.
  ExpectSetAside(Plain(std::string("\x01\x00\x00\x00" "\x01\x03", 6)));
  ExpectSetAside(Plain(std::string("\xff\xff\xff\xff" "\x01\x00\x00", 7)));
}

TEST_F(LoadTest, BytesAfterTheLastRecordAreIgnored) {
  WriteBytes(path, Plain(std::string("\x01\x00\x00\x00" "\x01\x03\x00" "abc" "junk", 14)));
  EXPECT_TRUE(Load(false));
  const std::vector<HostExtraFileEntry> loaded = ModuleEntries();
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_STREQ(loaded[0].name, "abc");
}

TEST_F(LoadTest, ABadFileGoesToTheFirstFreeSetAsideNameAndEveryEarlierOneStays) {
  WriteBytes(path + ".old", "first");
  WriteBytes(path + ".old.1", "second");
  WriteBytes(path + ".old.3", "fourth");
  WriteBytes(path, "bad one");
  EXPECT_FALSE(Load(false));
  WriteBytes(path, "bad two");
  EXPECT_FALSE(Load(false));
  EXPECT_TRUE(Load(false));   // no file at the path any more

  const struct {
    const char* suffix;
    const char* bytes;
  } expected[] = {{".old", "first"}, {".old.1", "second"}, {".old.2", "bad one"}, {".old.3", "fourth"},
                  {".old.4", "bad two"}};
  for (const auto& file : expected) EXPECT_EQ(ReadBytes(path + file.suffix), file.bytes) << file.suffix;
  EXPECT_EQ(FolderEntries(folder).size(), 5u);
}

TEST_F(LoadTest, WhenEveryNameOfTheSeriesIsTakenTheBadFileStaysWhereItIs) {
  WriteBytes(path + ".old", "set aside before");
  for (int i = 1; i <= 999; ++i) {
    CString name;
    name.Format("%s.old.%d", static_cast<const char*>(path), i);
    WriteBytes(name, "");
  }
  const std::string bad = "not an extra-files file";
  WriteBytes(path, bad);
  SetModuleEntries({{"held", 1}});
  EXPECT_FALSE(Load(false));
  EXPECT_TRUE(ModuleEntries().empty());
  EXPECT_EQ(ReadBytes(path), bad);
  EXPECT_EQ(ReadBytes(path + ".old"), "set aside before");
  EXPECT_EQ(FolderEntries(folder).size(), 1001u);
}

TEST_F(LoadTest, FlagsWithHighBitsLoadAsBitsZeroAndOneOnly) {
  WriteBytes(path, Plain(std::string("\x03\x00\x00\x00" "\xfd\x01\x00" "a" "\xfe\x01\x00" "b" "\xfc\x00\x00", 16)));
  ASSERT_TRUE(Load(false));
  const std::vector<HostExtraFileEntry> loaded = ModuleEntries();
  ASSERT_EQ(loaded.size(), 3u);
  EXPECT_EQ(loaded[0].flags & 3, 1);
  EXPECT_EQ(loaded[1].flags & 3, 2);
  EXPECT_EQ(loaded[2].flags & 3, 0);
  EXPECT_STREQ(loaded[2].name, "");
  ASSERT_TRUE(Save());
  EXPECT_EQ(ReadBytes(path), Image({{"a", 1}, {"b", 2}, {"", 0}}));
}

TEST_F(LoadTest, AnEmptyListNeverStartsTheSynchronisation) {
  WriteBytes(path, Image({}));
  EXPECT_TRUE(Load(true));
  EXPECT_TRUE(ModuleEntries().empty());
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kPathOnly));
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"extra.xef"});
}

TEST_F(LoadTest, WithoutSynchronisationTheWorkspaceIsNotTouched) {
  WriteBytes(path, Image({{"abc", 3}}));
  TheWorkspace().files().Add("abc");
  EXPECT_TRUE(Load(false));
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kPathOnly));
  EXPECT_FALSE(TheWorkspace().files().Lookup("abc")->firstFlag());
}

}  // namespace
