// The framework's message loops, the application's among them: every message
// taken from the queue is first offered to the framework objects of its window
// and that window's parents.
#include "fw/WinApp.h"
#include "fw/Wnd.h"
#include "WndInternal.h"

namespace {

void DispatchUnlessPreTranslated(MSG& msg) {
  if (AfxPreTranslateMessage(&msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageA(&msg);
}

}  // namespace

bool AfxPreTranslateMessage(MSG* msg) {
  if (msg == nullptr) return false;
  for (HWND hwnd = msg->hwnd; hwnd != nullptr && ::IsWindow(hwnd); hwnd = ::GetParent(hwnd)) {
    // Read the style first: the object may destroy the window while it handles the message.
    bool child = (::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) != 0;
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (wnd != nullptr && wnd->PreTranslateMessage(msg)) return true;
    if (!child) break;   // a top-level window ends the walk; its owner is not its parent
  }
  return false;
}

bool AfxPumpOne(MSG& msg) {
  msg = MSG{};
  BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) return false;
  DispatchUnlessPreTranslated(msg);
  return true;
}

bool AfxPumpMessage() {
  MSG msg;
  return AfxPumpOne(msg);
}

bool AfxPumpPendingMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave the quit request for the loop that owns the thread.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    DispatchUnlessPreTranslated(msg);
  }
  return true;
}

int CWnd::RunModalLoop() {
  m_bInModalLoop = true;
  m_nModalResult = -1;
  MSG msg;
  while (m_bInModalLoop) {
    if (!AfxPumpOne(msg)) {
      if (msg.message == WM_QUIT) ::PostQuitMessage(static_cast<int>(msg.wParam));
      m_bInModalLoop = false;
      break;
    }
    if (!IsWindow()) m_bInModalLoop = false;   // the window went away under the loop
  }
  return m_nModalResult;
}

void CWnd::EndModalLoop(int result) {
  m_nModalResult = result;
  if (!m_bInModalLoop) return;
  m_bInModalLoop = false;
  // Wake the loop in case it is waiting for a message.
  if (m_hWnd != nullptr) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

// GetMessage is called here rather than through AfxPumpOne, whose result
// cannot carry the WM_QUIT code; each message then takes the same path as in
// the framework's pump (pre-translation, translation, dispatch).
int CWinApp::Run() {
  MSG msg;
  for (;;) {
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return -1;
    DispatchUnlessPreTranslated(msg);
  }
}
