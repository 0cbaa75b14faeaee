#include "tests/module/ModuleHostSide.h"
#include <algorithm>
#include "fw/Wnd.h"

namespace {
const char kTestWindowClass[] = "ZorvoRegModuleTestWindow";

void RegisterTestWindowClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kTestWindowClass;
  registered = RegisterClassA(&wc) != 0;
}
}  // namespace

void ModuleHostTest::SetUp() {
  ide = MakeRawIde();
  workspace = MakeRawWorkspace();
  TheRecord().Clear();
  ASSERT_TRUE(loader.Load());
}

void ModuleHostTest::TearDown() {
  loader.Destroy();
  loader.Unload();
  DestroyWindows();
  AfxPumpPendingMessages();
}

HWND ModuleHostTest::MakeMainWindow() {
  RegisterTestWindowClass();
  HWND hwnd = CreateWindowExA(0, kTestWindowClass, "IDE main window", WS_OVERLAPPEDWINDOW, 40, 40, 400,
                              300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (hwnd) m_windows.push_back(hwnd);
  return hwnd;
}

HWND ModuleHostTest::MakeOwnedPopup(HWND owner) {
  RegisterTestWindowClass();
  HWND hwnd = CreateWindowExA(WS_EX_DLGMODALFRAME, kTestWindowClass, "Dialog", WS_POPUP | WS_CAPTION, 80, 80,
                              200, 150, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (hwnd) m_windows.insert(m_windows.begin(), hwnd);   // destroyed before its owner
  return hwnd;
}

bool ModuleHostTest::Activate(HWND hwnd) {
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  SetActiveWindow(hwnd);
  AfxPumpPendingMessages();
  return GetActiveWindow() == hwnd;
}

void ModuleHostTest::DestroyWindows() {
  for (HWND hwnd : m_windows) DestroyWindow(hwnd);
  m_windows.clear();
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = FindWindowExA(parent, nullptr, nullptr, nullptr); child;
       child = FindWindowExA(parent, child, nullptr, nullptr)) {
    children.push_back(child);
  }
  return children;
}

std::vector<HWND> NewWindows(const std::vector<HWND>& before, const std::vector<HWND>& after) {
  std::vector<HWND> added;
  for (HWND hwnd : after) {
    if (std::find(before.begin(), before.end(), hwnd) == before.end()) added.push_back(hwnd);
  }
  return added;
}

bool InImage(HMODULE module, const void* address) {
  const BYTE* base = reinterpret_cast<const BYTE*>(module);
  const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const BYTE* p = static_cast<const BYTE*>(address);
  return p >= base && p < base + nt->OptionalHeader.SizeOfImage;
}
