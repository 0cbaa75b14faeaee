#include "tests/tags/TagTestHost.h"

#include <cstdio>
#include "fw/Wnd.h"

namespace {

// The tag's table of virtual functions as the host's C++ compiler lays it
// out: every position is a member function taking nothing but the object,
// which arrives in ECX (thiscall).
struct TagObject {
  const void* const* table;
  TestTag* tag;
};

TestTag* Of(TagObject* self) { return self->tag; }
void Called(TagObject* self, int position, const char* operation) {
  TheRecord().Add(RecordEntry{Of(self)->name, position, operation, "", Delivery::Call, ""});
}

int __thiscall TypeCode(TagObject* self) { Called(self, 0, "GetTypeCode"); return 1; }
const char* __thiscall Name(TagObject* self) { Called(self, 2, "GetName"); return Of(self)->name.c_str(); }
const char* __thiscall FileName(TagObject* self) {
  Called(self, 3, "GetFileName");
  return Of(self)->fileName.c_str();
}
const char* __thiscall SearchString(TagObject* self) {
  Called(self, 4, "GetSearchString");
  return Of(self)->searchString.c_str();
}
const char* __thiscall ParentName(TagObject* self) { Called(self, 6, "GetParentName"); return ""; }
int __thiscall Line(TagObject* self) { Called(self, 7, "GetLine"); return Of(self)->line; }
const char* __thiscall Namespace(TagObject* self) { Called(self, 11, "GetNamespace"); return ""; }
void* __thiscall ParentTag(TagObject* self) { Called(self, 12, "GetParentTag"); return nullptr; }
void* __thiscall FileObject(TagObject* self) { Called(self, 14, "GetFileObject"); return nullptr; }
template <int N>
void __thiscall Never(TagObject* self) { Called(self, N, "never called"); }

const void* const kTagTable[] = {
    reinterpret_cast<const void*>(&TypeCode),  reinterpret_cast<const void*>(&Never<1>),
    reinterpret_cast<const void*>(&Name),      reinterpret_cast<const void*>(&FileName),
    reinterpret_cast<const void*>(&SearchString), reinterpret_cast<const void*>(&Never<5>),
    reinterpret_cast<const void*>(&ParentName), reinterpret_cast<const void*>(&Line),
    reinterpret_cast<const void*>(&Never<8>),  reinterpret_cast<const void*>(&Never<9>),
    reinterpret_cast<const void*>(&Never<10>), reinterpret_cast<const void*>(&Namespace),
    reinterpret_cast<const void*>(&ParentTag), reinterpret_cast<const void*>(&Never<13>),
    reinterpret_cast<const void*>(&FileObject),
};

bool IsReference(const RecordEntry& entry) { return entry.operation == "AddRef" || entry.operation == "Release"; }

void __thiscall WorkspaceNothing(void*) {}
const void* const kWorkspaceTable[12] = {
    reinterpret_cast<const void*>(&WorkspaceNothing), reinterpret_cast<const void*>(&WorkspaceNothing),
    reinterpret_cast<const void*>(&WorkspaceNothing), reinterpret_cast<const void*>(&WorkspaceNothing),
    reinterpret_cast<const void*>(&WorkspaceNothing), reinterpret_cast<const void*>(&WorkspaceNothing),
    reinterpret_cast<const void*>(&WorkspaceNothing), reinterpret_cast<const void*>(&WorkspaceNothing),
    reinterpret_cast<const void*>(&WorkspaceNothing), reinterpret_cast<const void*>(&WorkspaceNothing),
    reinterpret_cast<const void*>(&WorkspaceNothing), reinterpret_cast<const void*>(&WorkspaceNothing),
};
struct { const void* const* table; } g_workspace = {kWorkspaceTable};

// One host object per test tag, alive for the whole program (the module may
// hold the pointer as its remembered tag).
std::vector<TagObject*>& TagObjects() {
  static std::vector<TagObject*> objects;
  return objects;
}

}  // namespace

void* AsHostTag(TestTag& tag) {
  for (TagObject* object : TagObjects()) {
    if (object->tag == &tag) return object;
  }
  TagObjects().push_back(new TagObject{kTagTable, &tag});
  return TagObjects().back();
}

void* RawWorkspace() { return &g_workspace; }

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  for (const std::string& line : lines) std::fprintf(file, "%s\r\n", line.c_str());
  std::fclose(file);
}

void TagJumpTest::SetUp() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  char name[64];
  std::snprintf(name, sizeof name, "zr_tags_sample_%lu.cpp", GetCurrentProcessId());
  m_sampleFile = std::string(folder) + name;
  WriteLines(m_sampleFile, {
      "// sample source",                          // 1
      "int Alpha(int x) {",                        // 2
      "  return x;",                               // 3
      "}",                                         // 4
      "struct Beta$Gamma { int cost$; };",         // 5
      "int alpha_lower() { return 0; }",           // 6
      "int Alpha(int x);",                         // 7
  });

  m_mainWindow = CreateWindowExA(0, "STATIC", "IDE", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ide.SetMainWindow(m_mainWindow);
  ide.Calls().Attach(&TheRecord());
  ASSERT_TRUE(loader.Load());
  table = loader.Create(ide.Application(), RawWorkspace());
  ASSERT_NE(table, nullptr);
  AfxPumpPendingMessages();   // the dispatch window closes
  TheRecord().Clear();
}

void TagJumpTest::TearDown() {
  ide.Calls().SetHook(nullptr);
  loader.Destroy();
  loader.Unload();
  if (m_mainWindow) DestroyWindow(m_mainWindow);
  DeleteFileA(m_sampleFile.c_str());
}

bool TagJumpTest::GoToTag(TestTag* tag) { return table->goToTag(tag ? AsHostTag(*tag) : nullptr); }

void* TagJumpTest::LastTag() { return table->getLastTag(); }

std::vector<RecordEntry> JumpCalls() {
  return Only(CallsAndQueries(), [](const RecordEntry& entry) { return entry.operation != "QueryInterface"; });
}

std::vector<RecordEntry> CallsAndQueries() {
  return Only(TheRecord().Entries(), [](const RecordEntry& entry) { return !IsReference(entry); });
}

std::vector<RecordEntry> CallsTo(std::initializer_list<const char*> operations) {
  return Only(JumpCalls(), [&](const RecordEntry& entry) {
    for (const char* operation : operations)
      if (entry.operation == operation) return true;
    return false;
  });
}

std::vector<RecordEntry> References() { return Only(TheRecord().Entries(), IsReference); }

std::vector<RecordEntry> Releases() {
  return Only(TheRecord().Entries(), [](const RecordEntry& entry) { return entry.operation == "Release"; });
}

long LiveIdeReferences(ReferenceIde& ide) {
  long total = ide.Documents().LiveReferences();
  for (const std::unique_ptr<IdeDocument>& document : ide.Documents().All()) {
    total += document->LiveReferences() + document->Selection().LiveReferences();
  }
  return total;
}
