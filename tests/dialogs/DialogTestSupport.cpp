#include "tests/dialogs/DialogTestSupport.h"
#include <gtest/gtest.h>
#include <utility>
#include "host/script/CtrlKeyGuard.h"
#include "host/addin/ModuleLoader.h"

namespace {

// The IDE application as a raw table of 44 __stdcall positions, each taking
// one 32-bit argument (the module calls only set active here).
struct RawIde {
  const void* const* table;
};
template <int N>
HRESULT __stdcall RawIdeCall(RawIde*, DWORD) {
  return S_OK;
}
template <int... N>
const void* const* RawIdeTable(std::integer_sequence<int, N...>) {
  static const void* const table[] = {reinterpret_cast<const void*>(&RawIdeCall<N>)...};
  return table;
}

RawIde g_ide = {RawIdeTable(std::make_integer_sequence<int, 44>())};
ModuleLoader g_loader;
ModuleTable* g_table = nullptr;
HWND g_frame = nullptr;

// Loads the module once, with an active top-level window standing for the
// IDE's frame, and lets the dispatch window close.
class ModuleEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    g_frame = CreateWindowExA(0, WC_STATICA, "IDE", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(g_frame);
    SetActiveWindow(g_frame);
    ASSERT_TRUE(g_loader.Load());
    g_table = g_loader.Create(&g_ide, nullptr);
    ASSERT_NE(g_table, nullptr);
    Pump();
  }
  void TearDown() override {
    g_loader.Destroy();
    g_loader.Unload();
    DestroyWindow(g_frame);
  }
};
::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new ModuleEnvironment);

// The real Ctrl presses that the tests make reach the focused filter, which
// passes them on to the list like any other key; they are not the keys under
// test.
bool ForwardedKey(const RecordEntry& entry) { return entry.slot == WM_KEYDOWN && entry.arguments != "VK_CONTROL"; }

bool FromTheFilters(const RecordEntry& entry) {
  return (entry.slot == WM_NOTIFY && entry.arguments.rfind("NM_CHAR ", 0) == 0) || entry.slot == kF5Request;
}

void Handled(const char* notification) {
  TheRecord().Add(RecordEntry{"picker", WM_COMMAND, notification,
                              "from " + std::to_string(FilePickerDialog::kComboId), Delivery::Handled, ""});
}

}  // namespace

std::string TagLine(const std::string& name, const std::string& file, const std::string& address,
                    const std::string& kind, const std::string& scopeField) {
  std::string line = name + "\t" + file + "\t" + address + ";\"\tkind:" + kind;
  return scopeField.empty() ? line : line + "\t" + scopeField;
}

ModuleTable* Table() { return g_table; }

std::string ListText(HWND list, int row, int subItem, const char* supplied) {
  char buffer[260] = {};
  lstrcpynA(buffer, supplied, sizeof(buffer));
  LVITEMA item = {};
  item.iSubItem = subItem;
  item.pszText = buffer;
  item.cchTextMax = sizeof(buffer);
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

NMLVDISPINFOA AskDisplayInfo(HWND list, int row, int subItem, UINT mask) {
  static char supplied[64];
  lstrcpyA(supplied, "supplied");
  NMLVDISPINFOA info = {};
  info.hdr.hwndFrom = list;
  info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
  info.hdr.code = LVN_GETDISPINFOA;
  info.item.mask = mask;
  info.item.iItem = row;
  info.item.iSubItem = subItem;
  info.item.pszText = supplied;
  info.item.cchTextMax = sizeof(supplied);
  SendMessageA(GetParent(list), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
  return info;
}

void SizeListForVisibleWidth(HWND list, int visibleWidth) {
  RECT window = {}, client = {};
  GetWindowRect(list, &window);
  GetClientRect(list, &client);
  int frame = (window.right - window.left) - (client.right - client.left);
  int width = visibleWidth + GetSystemMetrics(SM_CXVSCROLL) + frame;
  SetWindowPos(list, nullptr, 0, 0, width, window.bottom - window.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int ClientWidth(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  return client.right - client.left;
}

std::string WindowText(HWND window) {
  char buffer[1024] = {};
  GetWindowTextA(window, buffer, sizeof(buffer));
  return buffer;
}

int ProfileInt(const char* section, const char* key, int defaultValue) {
  return AfxGetApp()->GetProfileInt(section, key, defaultValue);
}

CString SectionFor(DWORD dialogId) {
  CString section;
  section.Format("WindowPositions\\ID=0x%08lx", static_cast<unsigned long>(dialogId));
  return section;
}

void Pump() { AfxPumpPendingMessages(); }

void PostAndPump(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PostMessageA(window, message, wParam, lParam);
  Pump();
}

bool PostAndPumpWithCtrl(HWND window, WPARAM key) {
  return PostKeyDownWithCtrl(window, static_cast<UINT>(key), 1, Pump);
}

CtrlHeld::CtrlHeld() : m_seen(PressSystemCtrl(Pump)) {}

CtrlHeld::~CtrlHeld() { ReleaseSystemCtrl(Pump); }

DialogWatch::DialogWatch(HWND dialog, const char* dialogLabel, HWND list)
    : m_list(list, "list", ForwardedKey), m_dialog(dialog, dialogLabel, FromTheFilters) {}

// ---- test dialogs ----------------------------------------------------------------

BEGIN_MESSAGE_MAP(TestFilePicker, FilePickerDialog)
  ON_CONTROL(CBN_EDITCHANGE, kComboId, OnOwnEditChange)
  ON_CONTROL(CBN_SELENDOK, kComboId, OnOwnSelEndOk)
END_MESSAGE_MAP()

TestFilePicker::~TestFilePicker() {
  if (IsWindow()) DestroyWindow();
}

void TestFilePicker::LayoutControls() {
  if (m_visibleWidth > 0) SizeListForVisibleWidth(list(), m_visibleWidth);
  // An extended style of the host's own, which the module must keep.
  ::SendMessageA(list(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_HEADERDRAGDROP);
  extendedStyleBeforeInit = static_cast<DWORD>(::SendMessageA(list(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

void TestFilePicker::OnOwnEditChange() { Handled("CBN_EDITCHANGE"); }

void TestFilePicker::OnOwnSelEndOk() { Handled("CBN_SELENDOK"); }

TestTagBrowser::~TestTagBrowser() {
  if (IsWindow()) DestroyWindow();
}

void TestTagBrowser::LayoutControls() {
  if (m_visibleWidth > 0) SizeListForVisibleWidth(list(), m_visibleWidth);
}

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char buffer[512] = {};
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
    items.push_back(buffer);
  }
  return items;
}

void SetComboItems(HWND combo, const std::vector<std::string>& items) {
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}
