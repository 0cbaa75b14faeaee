// SaveExtraFiles seen from the host: the bytes of the file, and what happens
// to the file it replaces and to targets that cannot be written.
#include "tests/extrafiles/ExtraFilesHost.h"
#include <sddl.h>
#include "tests/extrafiles/FolderSnapshot.h"

namespace {

class SaveTest : public ExtraFilesTest {};

const std::string kMagic = "QXEF";

TEST_F(SaveTest, WritesTheKnownImagesByteForByte) {
  SetModuleEntries({});
  EXPECT_TRUE(Save());
  EXPECT_EQ(Hex(ReadBytes(path)), Hex(kMagic + std::string("\x01\x00\x80\x40\x20\x10", 6)));

  SetModuleEntries({{"abc", 0x01}});
  EXPECT_TRUE(Save());
  EXPECT_EQ(Hex(ReadBytes(path)), "51 58 45 46 01 00 81 40 20 10 09 07 02 60 e2 23");

  SetModuleEntries({{"abc", 0x03}, {"de", 0x02}});
  EXPECT_TRUE(Save());
  EXPECT_EQ(Hex(ReadBytes(path)), "51 58 45 46 01 00 82 40 20 10 0b 07 02 60 e2 23 22 12 08 60 67");
  // Saving leaves the list as it was and nothing else in the folder.
  EXPECT_EQ(ModuleEntries().size(), 2u);
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"extra.xef"});
}

TEST_F(SaveTest, WritesOnlyBitsZeroAndOneOfTheFlags) {
  SetModuleEntries({{"x", 0xFD}, {"y", 0xFE}, {"z", 0xFC}});
  EXPECT_TRUE(Save());
  EXPECT_EQ(Hex(ReadBytes(path)), Hex(Image({{"x", 1}, {"y", 2}, {"z", 0}})));
}

TEST_F(SaveTest, NamesLongerThanSixteenBitsKeepTheirLowSixteenBitsOfLength) {
  const CString full('n', 65536);
  const CString oneMore('m', 65537);
  SetModuleEntries({{full, 1}, {oneMore, 2}, {"tail", 3}});
  EXPECT_TRUE(Save());
  const std::string plain = Scrambled(ReadBytes(path));
  EXPECT_EQ(Hex(plain), Hex(std::string("QXEF\x01\x00\x03\x00\x00\x00"
                                        "\x01\x00\x00"
                                        "\x02\x01\x00m"
                                        "\x03\x04\x00tail", 24)));
  ASSERT_TRUE(Load(false));
  const std::vector<HostExtraFileEntry> entries = ModuleEntries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_STREQ(entries[0].name, "");
  EXPECT_STREQ(entries[1].name, "m");
  EXPECT_STREQ(entries[2].name, "tail");
}

TEST_F(SaveTest, ALongListIsWrittenByteForByteWhateverTheNameLengths) {
  // Names from empty to longer than any buffer the writer collects pieces in,
  // so that records fall on and across every kind of boundary.
  std::vector<HostExtraFileEntry> entries;
  for (int i = 0; i < 3000; ++i) {
    const int length = (i * 37) % 301;
    entries.push_back({CString(static_cast<char>('a' + i % 26), length), static_cast<unsigned char>(i & 3)});
    if (i % 1000 == 500) entries.push_back({CString('L', 40000 + i), 1});
  }
  entries.push_back({CString('M', 65535), 2});
  SetModuleEntries(entries);
  EXPECT_TRUE(Save());
  const std::string bytes = ReadBytes(path);
  const std::string expected = Image(entries);
  ASSERT_EQ(bytes.size(), expected.size());
  EXPECT_TRUE(bytes == expected);
  ASSERT_TRUE(Load(false));
  const std::vector<HostExtraFileEntry> back = ModuleEntries();
  ASSERT_EQ(back.size(), entries.size());
  for (size_t i = 0; i < back.size(); ++i) ASSERT_TRUE(back[i].name == entries[i].name) << i;
}

TEST_F(SaveTest, ReplacesAnExistingFileAndLeavesNoTemporaryBehind) {
  WriteBytes(path, std::string(5000, 'o'));
  SetModuleEntries({{"abc", 0x01}});
  EXPECT_TRUE(Save());
  EXPECT_EQ(ReadBytes(path), Image({{"abc", 1}}));
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"extra.xef"});
}

// A path as a host hands it over when the wide name holds a character that
// the ANSI code page lacks: the conversion puts the default character there.
// Empty when the code page has every candidate.
CString NameOutsideTheCodePage(const CString& folder) {
  for (const wchar_t* wide : {L"extra\x4e2d.xef", L"extra\x0416.xef", L"extra\x2603.xef"}) {
    char narrow[64];
    BOOL defaulted = FALSE;
    if (WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, &defaulted) && defaulted)
      return folder + "\\" + narrow;
  }
  return CString();
}

TEST_F(SaveTest, ATargetThatCannotBeWrittenChangesNothingAndSaysSo) {
  SetModuleEntries({{"abc", 0x01}});
  WriteBytes(folder + "\\neighbour.txt", "stays");
  auto expectNothingWritten = [this](const CString& target, const char* what) {
    TheWorkspace().SetExtraFilesPath(target);
    const std::string before = Snapshot(static_cast<const char*>(folder));
    EXPECT_FALSE(Save()) << what;
    EXPECT_EQ(Snapshot(static_cast<const char*>(folder)), before) << what;
  };

  ASSERT_TRUE(CreateDirectoryA(path, nullptr));
  WriteBytes(path + "\\inside.txt", "in the folder");
  expectNothingWritten(path, "the path is a folder");
  RemoveTree(path);

  expectNothingWritten(folder + "\\missing\\extra.xef", "its folder does not exist");

  const CString foreign = NameOutsideTheCodePage(folder);
  if (!foreign.IsEmpty()) expectNothingWritten(foreign, "a name the ANSI code page cannot hold");

  WriteBytes(path, "the previous list");
  HANDLE held = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  expectNothingWritten(path, "the file is held open without sharing");
  CloseHandle(held);

  // The attributes are part of the snapshot: the read-only flag stays too.
  ASSERT_TRUE(SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(GetFileAttributesA(path) & FILE_ATTRIBUTE_READONLY);
  expectNothingWritten(path, "the file is read-only");

  // Nothing of this is sticky: the same path, writable again, is written.
  ASSERT_TRUE(SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(Save());
  EXPECT_EQ(ReadBytes(path), Image({{"abc", 1}}));
  EXPECT_EQ(FolderEntries(folder), (std::vector<std::string>{"extra.xef", "neighbour.txt"}));
}

TEST_F(SaveTest, AReplacedFileKeepsItsHiddenAndSystemAttributesAndIsMarkedForArchiving) {
  const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  WriteBytes(path, "the previous list");
  ASSERT_TRUE(SetFileAttributesA(path, kept));
  if ((GetFileAttributesA(path) & kept) != kept) GTEST_SKIP() << "this file system keeps no hidden or system flag";
  SetModuleEntries({{"abc", 0x01}});
  EXPECT_TRUE(Save());
  EXPECT_EQ(ReadBytes(path), Image({{"abc", 1}}));
  EXPECT_EQ(GetFileAttributesA(path), kept | FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"extra.xef"});
}

// A file's access list (DACL) as text; "" when the system cannot give it.
std::string AccessListText(const char* file) {
  char descriptor[4096];
  DWORD needed = 0;
  if (!GetFileSecurityA(file, DACL_SECURITY_INFORMATION, descriptor, sizeof descriptor, &needed)) return "";
  char* text = nullptr;
  if (!ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                            &text, nullptr))
    return "";
  const std::string result = text;
  LocalFree(text);
  return result;
}

bool SetAccessList(const char* file, const std::string& text) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(text.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
    return false;
  const bool set = SetFileSecurityA(file, DACL_SECURITY_INFORMATION, descriptor) != 0;
  LocalFree(descriptor);
  return set;
}

TEST_F(SaveTest, AReplacedFileKeepsItsAccessList) {
  WriteBytes(path, "the previous list");
  // A new file's list, less the entry that lets everyone read it: the list a
  // private file has, which a new file in this folder would not get.
  const std::string made = AccessListText(path);
  const size_t everyone = made.find(";;;WD)");
  if (everyone == std::string::npos) GTEST_SKIP() << "no entry for everyone on a new file here: " << made;
  const size_t entry = made.rfind('(', everyone);
  ASSERT_TRUE(SetAccessList(path, made.substr(0, entry) + made.substr(everyone + 6)));
  const std::string restricted = AccessListText(path);
  ASSERT_NE(restricted, made);

  SetModuleEntries({{"abc", 0x01}});
  EXPECT_TRUE(Save());
  EXPECT_EQ(ReadBytes(path), Image({{"abc", 1}}));
  EXPECT_EQ(AccessListText(path), restricted);
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"extra.xef"});
}

}  // namespace
