#include "tests/hostcalls/ModuleUnderTest.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>
#include "fw/DialogTemplate.h"
#include "fw/Framework.h"
#include "host/addin/ModuleLoader.h"
#include "tests/hostcalls/CallGate.h"

namespace {

ReferenceIde* g_ide = nullptr;
StubWorkspace* g_workspace = nullptr;
StubWorkspaceFiles* g_workspaceFiles = nullptr;
ModuleLoader* g_loader = nullptr;
HWND g_frame = nullptr;

class ModuleEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    g_frame = CreateWindowExA(0, "STATIC", "IDE", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetActiveWindow(g_frame);
    g_ide = new ReferenceIde;
    g_ide->SetMainWindow(g_frame);
    g_workspaceFiles = new StubWorkspaceFiles;
    g_workspace = new StubWorkspace;
    g_workspace->files = g_workspaceFiles;
    g_loader = new ModuleLoader;
    ASSERT_TRUE(g_loader->Load());
    ASSERT_NE(g_loader->Create(g_ide->Application(), g_workspace), nullptr);
    AfxPumpPendingMessages();   // the dispatch window closes
  }
  void TearDown() override {
    delete g_loader;   // destroys and unloads the module
    delete g_workspace;
    delete g_workspaceFiles;
    delete g_ide;
    DestroyWindow(g_frame);
  }
};
::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

void ExpectClean(const CheckedCall& call, const char* what) {
  EXPECT_TRUE(call.stackBalanced) << what << ": ESP came back off by " << call.stackOffset << " bytes";
  EXPECT_TRUE(call.registersKept) << what << ": EBX, ESI, EDI or EBP changed";
}

}  // namespace

ModuleTable* Table() { return g_loader->table(); }
StubWorkspace& Workspace() { return *g_workspace; }
ReferenceIde& Ide() { return *g_ide; }

DWORD CallEntry(const void* entry, std::initializer_list<DWORD> arguments) {
  const std::vector<DWORD> words(arguments);
  const CheckedCall call = CallChecked(entry, words.data(), static_cast<int>(words.size()), CalleePops::None);
  ExpectClean(call, "table entry");
  return call.result;
}

CString TempFileName(const char* extension) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  CString name;
  name.Format("%szr_hostcalls_%lu.%s", folder, GetCurrentProcessId(), extension);
  return name;
}

std::string CellText(HWND list, int row, int subItem) {
  char buffer[260] = {};
  LVITEMA item = {};
  item.iSubItem = subItem;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  const DWORD words[] = {Word(list), LVM_GETITEMTEXTA, static_cast<DWORD>(row), Word(&item)};
  const CheckedCall call =
      CallChecked(reinterpret_cast<const void*>(&SendMessageA), words, 4, CalleePops::Arguments);
  ExpectClean(call, "LVM_GETITEMTEXTA");
  return buffer;
}

ItemDialog::ItemDialog(Kind kind) {
  const DWORD listStyle = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | WS_BORDER;
  const DWORD comboStyle = WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
  CDialogTemplate items("Host calls", WS_POPUP | WS_CAPTION, 0, 0, 300, 200);
  if (kind == FilePicker) {
    items.AddItem("ComboBox", "", comboStyle, 5, 5, 290, 100, 1021);
    items.AddItem("SysListView32", "", listStyle, 5, 25, 290, 170, 1020);
  } else {
    items.AddItem("ComboBox", "", comboStyle, 5, 5, 140, 100, 1051);
    items.AddItem("ComboBox", "", comboStyle, 155, 5, 140, 100, 1052);
    items.AddItem("SysListView32", "", listStyle, 5, 25, 290, 170, 1050);
  }
  EXPECT_TRUE(CreateIndirect(items.Get(), nullptr));
}

ItemDialog::~ItemDialog() {
  if (IsWindow()) DestroyWindow();
}
