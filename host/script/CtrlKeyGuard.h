#pragma once
// Delivers a key-down only while the system's Ctrl key is held. Under Wine the
// Ctrl pressed through the system's input is not pressed on the X server, and
// Wine brings its key state in line with the server's whenever a window gains
// the focus or the pointer: an event that arrives between the press and the
// key lets the key through as a plain one. While a guard lives, a key-down of
// its key posted to its window is taken from the queue only with Ctrl down;
// otherwise the queue hands out WM_NULL in its place, and dropped() tells the
// caller to press Ctrl and post the key again.
#include <windows.h>

class CtrlKeyGuard {
 public:
  CtrlKeyGuard(HWND target, UINT vk);
  ~CtrlKeyGuard();
  CtrlKeyGuard(const CtrlKeyGuard&) = delete;
  CtrlKeyGuard& operator=(const CtrlKeyGuard&) = delete;

  bool dropped() const { return m_dropped; }
  void Reset() { m_dropped = false; }

 private:
  static LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam);

  HWND m_target;
  UINT m_vk;
  bool m_dropped = false;
  HHOOK m_hook = nullptr;
  CtrlKeyGuard* m_outer = nullptr;
};

// The caller's loop: handles every message queued for the thread.
using PumpFunction = void (*)();

// Presses Ctrl through the system's input and pumps until the system's key
// state shows it held, pressing again when Wine lets it go (up to 20 tries).
// True when it is held.
bool PressSystemCtrl(PumpFunction pump);
void ReleaseSystemCtrl(PumpFunction pump);

// Posts the key-down of vk to target with the system's Ctrl held and handles
// it with pump(), pressing Ctrl and posting again as long as the guard had to
// withdraw the key (up to 20 tries). False when the key never went through
// with Ctrl down.
bool PostKeyDownWithCtrl(HWND target, UINT vk, LPARAM lParam, PumpFunction pump);
