#include "CtrlBlock.h"

namespace {

LRESULT CALLBACK SwallowCtrl(int code, WPARAM wParam, LPARAM lParam) {
  const KBDLLHOOKSTRUCT* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (code == HC_ACTION && (key->vkCode == VK_CONTROL || key->vkCode == VK_LCONTROL || key->vkCode == VK_RCONTROL))
    return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

CtrlBlock::CtrlBlock() : m_hook(SetWindowsHookExA(WH_KEYBOARD_LL, SwallowCtrl, GetModuleHandleA(nullptr), 0)) {}

CtrlBlock::~CtrlBlock() {
  if (m_hook) UnhookWindowsHookEx(m_hook);
}
