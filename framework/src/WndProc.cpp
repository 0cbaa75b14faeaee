// The window procedure that brings every message of an attached window to its
// object, and the object's default processing.
#include "fw/Wnd.h"
#include "WndInternal.h"

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
  if (wnd == nullptr) {
    // No object (yet, or any more): the window's own default processing.
    WNDPROC super = reinterpret_cast<WNDPROC>(::GetPropA(hwnd, kAfxSuperProcProp));
    if (message == WM_NCDESTROY) ::RemovePropA(hwnd, kAfxSuperProcProp);
    if (super != nullptr) return ::CallWindowProcA(super, hwnd, message, wParam, lParam);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  }
  if (message != WM_NCDESTROY) return wnd->WindowProc(message, wParam, lParam);

  // The last message of the window: let the object see it, then give the
  // window back its own procedure, forget the handle and tell the object.
  LRESULT result = wnd->WindowProc(message, wParam, lParam);
  if (CWnd::FromHandlePermanent(hwnd) == wnd) {
    if (wnd->m_pfnSuper != nullptr) {
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->m_pfnSuper));
      wnd->m_pfnSuper = nullptr;
    }
    ::RemovePropA(hwnd, kAfxSuperProcProp);
    wnd->Detach();
    wnd->PostNcDestroy();
  }
  return result;
}
