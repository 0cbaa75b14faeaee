#include "tests/extrafiles/ExtraFilesHost.h"
#include <cstdio>
#include <utility>
#include "host/addin/ModuleLoader.h"

namespace {

// The IDE automation object: ZorvoRegCreate calls set active (position 38)
// on it; every position takes one 32-bit argument and answers S_OK.
struct IdeStub {
  const void* const* table;
};

template <int N>
HRESULT __stdcall AnswerOk(IdeStub*, DWORD) { return S_OK; }

template <int... N>
const void* const* IdeTable(std::integer_sequence<int, N...>) {
  static const void* const table[] = {reinterpret_cast<const void*>(&AnswerOk<N>)...};
  return table;
}

IdeStub g_ide{IdeTable(std::make_integer_sequence<int, 44>())};
Workspace* g_workspace = nullptr;
ModuleLoader* g_loader = nullptr;

class ModuleEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    g_workspace = new Workspace;
    g_workspace->calls().Attach(&TheRecord());
    g_loader = new ModuleLoader;
    ASSERT_TRUE(g_loader->Load());
    ASSERT_NE(g_loader->Create(&g_ide, g_workspace), nullptr);
  }
  void TearDown() override {
    delete g_loader;   // destroys and unloads the module
    delete g_workspace;
  }
};

::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

}  // namespace

ModuleTable* Table() { return g_loader->table(); }
Workspace& TheWorkspace() { return *g_workspace; }

void ExtraFilesTest::SetUp() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  static int serial = 0;
  folder.Format("%szr_xf_%lu_%d", temp, GetCurrentProcessId(), ++serial);
  RemoveTree(folder);
  ASSERT_TRUE(CreateDirectoryA(folder, nullptr));
  path = folder + "\\extra.xef";
  TheWorkspace().SetExtraFilesPath(path);
  TheWorkspace().files().Clear();
  TheRecord().Clear();
}

void ExtraFilesTest::TearDown() { RemoveTree(folder); }

std::vector<HostExtraFileEntry> ExtraFilesTest::ModuleEntries() {
  HostExtraFiles list;
  Table()->getExtraFiles(list.raw());
  return list.Entries();
}

void ExtraFilesTest::SetModuleEntries(const std::vector<HostExtraFileEntry>& entries) {
  HostExtraFiles list;
  list.Fill(entries);
  Table()->setExtraFiles(list.raw());
}

std::string ReadBytes(const char* file) {
  std::string bytes;
  FILE* f = std::fopen(file, "rb");
  if (!f) return bytes;
  char chunk[4096];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, got);
  std::fclose(f);
  return bytes;
}

void WriteBytes(const char* file, const std::string& bytes) {
  FILE* f = std::fopen(file, "wb");
  ASSERT_NE(f, nullptr) << file;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

bool Exists(const char* file) { return GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES; }

std::string Scrambled(std::string image) {
  for (size_t o = 6; o < image.size(); ++o) image[o] = static_cast<char>(image[o] ^ (0x80 >> ((o - 6) % 8)));
  return image;
}

std::string Image(const std::vector<HostExtraFileEntry>& entries) {
  std::string plain("QXEF\x01\x00", 6);
  const size_t count = entries.size();
  for (int i = 0; i < 4; ++i) plain += static_cast<char>(count >> (8 * i));
  for (const HostExtraFileEntry& entry : entries) {
    plain += static_cast<char>(entry.flags & 3);
    const size_t length = static_cast<size_t>(entry.name.GetLength()) & 0xFFFF;
    plain += static_cast<char>(length & 0xFF);
    plain += static_cast<char>(length >> 8);
    plain.append(static_cast<const char*>(entry.name), length);
  }
  return Scrambled(plain);
}

std::string Hex(const std::string& bytes) {
  std::string text;
  char cell[4];
  for (unsigned char byte : bytes) {
    std::snprintf(cell, sizeof cell, "%02x ", byte);
    text += cell;
  }
  if (!text.empty()) text.pop_back();
  return text;
}
