// CWnd's life cycle: creation (with the object attached before the first
// message), subclassing, destruction, and the thin members over the API.
#include "fw/Wnd.h"
#include "WndInternal.h"
#include "fw/WinApp.h"

const char* const kAfxSuperProcProp = "FwSuperProc";

namespace {

// The window CreateEx is creating on this thread, picked up by the CBT hook
// when the system announces the new window, before it gets any message.
struct CreateContext {
  CWnd* wnd = nullptr;
  ATOM classAtom = 0;
  HWND parent = nullptr;
  HHOOK hook = nullptr;
};
thread_local CreateContext t_create;

LRESULT CALLBACK CreateHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && t_create.wnd != nullptr) {
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    // Only our window: other windows (an input method window, say) may be
    // created on this thread meanwhile.
    ATOM atom = static_cast<ATOM>(::GetClassLongPtrA(hwnd, GCW_ATOM));
    if (atom == t_create.classAtom && cs->hwndParent == t_create.parent) {
      CWnd* wnd = t_create.wnd;
      t_create.wnd = nullptr;
      wnd->SubclassWindow(hwnd);
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr) {}

CWnd::~CWnd() {
  if (m_hWnd == nullptr) return;
  HWND hwnd = m_hWnd;
  if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);   // WM_NCDESTROY detaches us
  if (m_hWnd != nullptr) {
    // Destruction failed or never reached us (a window attached without
    // subclassing): at least forget the handle.
    if (m_pfnSuper != nullptr && ::IsWindow(hwnd)) UnsubclassWindow();
    Detach();
  }
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, void* param) {
  return CreateEx(exStyle, className, windowName, style, rect,
                  parent != nullptr ? parent->m_hWnd : nullptr, id, param);
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, HWND parent, UINT id, void* param) {
  if (m_hWnd != nullptr) return false;
  AfxEnsureCommonControls();
  HINSTANCE instance;
  if (className == nullptr) {
    className = AfxDefaultWndClass();
    instance = AfxFrameworkInstance();
  } else {
    instance = AfxGetInstanceHandle();
    if (instance == nullptr) instance = ::GetModuleHandleA(nullptr);
  }
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof(wc);
  ATOM atom = IS_INTRESOURCE(className)
                  ? static_cast<ATOM>(reinterpret_cast<UINT_PTR>(className))
                  : static_cast<ATOM>(::GetClassInfoExA(instance, className, &wc));
  // A child's "menu" is its control ID; a top-level window has no menu here.
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;

  CreateContext saved = t_create;   // CreateEx may nest (a window created in OnCreate)
  t_create.wnd = this;
  t_create.classAtom = atom;
  t_create.parent = parent;
  t_create.hook = ::SetWindowsHookExA(WH_CBT, CreateHook, nullptr, ::GetCurrentThreadId());
  HWND hwnd = ::CreateWindowExA(exStyle, className, windowName != nullptr ? windowName : "", style,
                                rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, menu, instance, param);
  if (t_create.hook != nullptr) ::UnhookWindowsHookEx(t_create.hook);
  t_create = saved;
  if (hwnd == nullptr) return false;
  // The hook missed it (no hook could be set): attach now, late but attached.
  if (m_hWnd == nullptr && AfxMapLookup(hwnd) == nullptr) SubclassWindow(hwnd);
  return m_hWnd == hwnd;
}

bool CWnd::DestroyWindow() {
  HWND hwnd = m_hWnd;
  if (hwnd == nullptr) return false;
  bool destroyed = ::DestroyWindow(hwnd) != FALSE;
  // A window that was attached without its messages coming here never sends
  // us WM_NCDESTROY. Look through the map rather than at members: the object
  // may have deleted itself in PostNcDestroy.
  if (destroyed && AfxMapLookup(hwnd) == this) Detach();
  return destroyed;
}

bool CWnd::SubclassWindow(HWND hwnd) {
  if (hwnd == nullptr || !::IsWindow(hwnd)) return false;
  if (!Attach(hwnd)) return false;
  WNDPROC current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
  if (current != AfxWndProc) {
    m_pfnSuper = current;
    ::SetPropA(hwnd, kAfxSuperProcProp, reinterpret_cast<HANDLE>(current));
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
  } else {
    // Already routed here (an object was detached from it): keep its old default.
    m_pfnSuper = reinterpret_cast<WNDPROC>(::GetPropA(hwnd, kAfxSuperProcProp));
  }
  return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (parent == nullptr || parent->m_hWnd == nullptr) return false;
  AfxEnsureCommonControls();
  return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
  if (m_hWnd == nullptr) return nullptr;
  if (m_pfnSuper != nullptr) {
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropA(m_hWnd, kAfxSuperProcProp);
    m_pfnSuper = nullptr;
  }
  return Detach();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageA(m_hWnd, message, wParam, lParam) != FALSE;
}

CWnd* CWnd::GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }

void CWnd::GetWindowText(CString& text) const {
  int length = ::GetWindowTextLengthA(m_hWnd);
  char* buffer = text.GetBuffer(length);
  int copied = ::GetWindowTextA(m_hWnd, buffer, length + 1);
  text.ReleaseBuffer(copied < 0 ? 0 : copied);
}

void CWnd::MoveWindow(int x, int y, int width, int height, bool repaint) {
  ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

bool CWnd::PreTranslateMessage(MSG*) { return false; }
