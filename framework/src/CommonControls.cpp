// One-time set-up the window classes need: the common controls and the
// framework's default window class.
#include "WndInternal.h"
#include <commctrl.h>
#include "fw/Wnd.h"

void AfxEnsureCommonControls() {
  // A function-local static is initialised once, thread-safely.
  static const bool done = [] {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                 ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
    return ::InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)done;
}

HINSTANCE AfxFrameworkInstance() {
  static const HINSTANCE instance = [] {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&AfxFrameworkInstance), &module);
    return static_cast<HINSTANCE>(module);
  }();
  return instance;
}

const char* AfxDefaultWndClass() {
  static const char* const name = [] {
    const char* className = "FwWnd";
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    // Global, so that a window of this class can be created with any instance handle.
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = AfxWndProc;
    wc.hInstance = AfxFrameworkInstance();
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    ::RegisterClassExA(&wc);
    return className;
  }();
  return name;
}
