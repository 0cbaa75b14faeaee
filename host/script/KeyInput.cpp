#include "host/script/KeyInput.h"
#include <cctype>
#include "fw/Wnd.h"
#include "host/script/CtrlKeyGuard.h"

namespace {

struct NamedKey {
  const char* name;
  UINT vk;
};

const NamedKey kNamedKeys[] = {
    {"Up", VK_UP},         {"Down", VK_DOWN},     {"Left", VK_LEFT},
    {"Right", VK_RIGHT},   {"PageUp", VK_PRIOR},  {"PageDown", VK_NEXT},
    {"Home", VK_HOME},     {"End", VK_END},       {"F5", VK_F5},
    {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Back", VK_BACK},
    {"Tab", VK_TAB},   {"Delete", VK_DELETE},
};

// A key message's lParam: one repeat, the key's scan code and, for a
// key-up, the flags of a key that was down and is now released.
LPARAM KeyParam(UINT vk, bool up) {
  WORD flags = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  if (up) flags |= KF_REPEAT | KF_UP;
  return static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(1, flags)));
}

void Pump() { PumpPending(); }

}  // namespace

bool ParseKeyName(const std::string& name, KeyStroke& key) {
  key = KeyStroke();
  std::string rest = name;
  if (rest.compare(0, 5, "Ctrl+") == 0) {
    key.ctrl = true;
    rest = rest.substr(5);
  }
  for (const NamedKey& named : kNamedKeys) {
    if (rest == named.name) {
      key.vk = named.vk;
      return true;
    }
  }
  if (rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0]))) {
    key.vk = static_cast<UINT>(std::toupper(static_cast<unsigned char>(rest[0])));
    return true;
  }
  return false;
}

bool PumpPending() {
  MSG msg;
  // Twice through an empty queue: handlers post follow-up messages.
  for (int idle = 0; idle < 2;) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ++idle;
      Sleep(5);
      continue;
    }
    idle = 0;
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (AfxPreTranslateMessage(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

// Shift and Ctrl are set in the thread's key state, which is what the
// translation of a key-down (its character, an accelerator) looks at.
static void SetThreadKey(UINT vk, bool down) {
  BYTE state[256];
  if (!GetKeyboardState(state)) return;
  state[vk] = down ? 0x80 : 0;
  SetKeyboardState(state);
}

bool PostKey(HWND target, const KeyStroke& key, bool systemCtrl) {
  if (key.ctrl) SetThreadKey(VK_CONTROL, true);
  if (key.shift) SetThreadKey(VK_SHIFT, true);
  bool delivered = true;
  if (key.ctrl && systemCtrl) {
    // The key goes through only with the system's Ctrl held (pressed again
    // when Wine let it go before the key was taken).
    delivered = PostKeyDownWithCtrl(target, key.vk, KeyParam(key.vk, false), Pump);
  } else {
    PostMessageA(target, WM_KEYDOWN, key.vk, KeyParam(key.vk, false));
    PumpPending();
  }
  if (key.shift) SetThreadKey(VK_SHIFT, false);
  // The dialog may be gone after Enter or Escape.
  if (IsWindow(target)) {
    PostMessageA(target, WM_KEYUP, key.vk, KeyParam(key.vk, true));
    PumpPending();
  }
  if (key.ctrl) {
    if (systemCtrl) ReleaseSystemCtrl(Pump);
    SetThreadKey(VK_CONTROL, false);
  }
  return delivered;
}

void TypeText(HWND target, const std::string& text) {
  for (char ch : text) {
    SHORT scan = VkKeyScanA(ch);
    if (scan == -1 || (HIBYTE(scan) & ~1)) {
      // No key types it without Ctrl or Alt: the character alone.
      PostMessageA(target, WM_CHAR, static_cast<unsigned char>(ch), 1);
      PumpPending();
      continue;
    }
    KeyStroke key;
    key.vk = LOBYTE(scan);
    key.shift = (HIBYTE(scan) & 1) != 0;
    PostKey(target, key);
  }
}
