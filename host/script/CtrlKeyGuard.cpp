#include "host/script/CtrlKeyGuard.h"

namespace {

// The innermost guard of this thread (the hook is per thread).
thread_local CtrlKeyGuard* t_guard = nullptr;

const int kTries = 20;

void SendCtrl(bool down) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_CONTROL;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof(input));
}

bool CtrlIsDown() { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }

}  // namespace

CtrlKeyGuard::CtrlKeyGuard(HWND target, UINT vk) : m_target(target), m_vk(vk), m_outer(t_guard) {
  t_guard = this;
  m_hook = SetWindowsHookExA(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId());
}

CtrlKeyGuard::~CtrlKeyGuard() {
  if (m_hook) UnhookWindowsHookEx(m_hook);
  t_guard = m_outer;
}

LRESULT CALLBACK CtrlKeyGuard::OnGetMessage(int code, WPARAM wParam, LPARAM lParam) {
  CtrlKeyGuard* guard = t_guard;
  // Only a message that leaves the queue now is judged; the module tests the
  // key state right after this, before any other event can change it.
  if (code == HC_ACTION && wParam == PM_REMOVE && guard) {
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (msg->message == WM_KEYDOWN && msg->hwnd == guard->m_target && msg->wParam == guard->m_vk &&
        !CtrlIsDown()) {
      msg->message = WM_NULL;
      guard->m_dropped = true;
    }
  }
  return CallNextHookEx(guard ? guard->m_hook : nullptr, code, wParam, lParam);
}

bool PressSystemCtrl(PumpFunction pump) {
  // A Ctrl already held is not pressed again: each press is a key-down that
  // the focused window receives.
  for (int attempt = 0; attempt < kTries; ++attempt) {
    pump();
    if (attempt > 1) {
      Sleep(10);
      pump();
    }
    if (CtrlIsDown()) return true;
    SendCtrl(true);
  }
  pump();
  return CtrlIsDown();
}

void ReleaseSystemCtrl(PumpFunction pump) {
  SendCtrl(false);
  pump();
}

bool PostKeyDownWithCtrl(HWND target, UINT vk, LPARAM lParam, PumpFunction pump) {
  CtrlKeyGuard guard(target, vk);
  for (int attempt = 0; attempt < kTries; ++attempt) {
    if (!PressSystemCtrl(pump)) return false;
    guard.Reset();
    PostMessageA(target, WM_KEYDOWN, vk, lParam);
    pump();
    if (!guard.dropped()) return true;
  }
  return false;
}
