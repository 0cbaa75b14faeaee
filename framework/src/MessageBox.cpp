// AfxMessageBox: the system message box, modal to the application's main window.
#include "fw/MessageBox.h"
#include "fw/WinApp.h"
#include "fw/Wnd.h"

int AfxMessageBox(const char* text, UINT type, UINT helpContext) {
  (void)helpContext;   // the caller's help system keeps it; the box itself has no use for it
  CWinApp* app = AfxGetApp();
  HWND owner = nullptr;
  if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->IsWindow())
    owner = app->m_pMainWnd->GetSafeHwnd();
  if (owner == nullptr) owner = ::GetActiveWindow();
  // A message box is owned by a top-level window, never by a control.
  if (owner != nullptr) owner = ::GetAncestor(owner, GA_ROOT);
  // Without an owner the box is still modal to this thread's windows.
  if (owner == nullptr && (type & (MB_SYSTEMMODAL | MB_TASKMODAL)) == 0) type |= MB_TASKMODAL;
  const char* caption = nullptr;
  if (app != nullptr && !app->m_strAppName.IsEmpty()) caption = app->m_strAppName;
  return ::MessageBoxA(owner, text != nullptr ? text : "", caption, type);
}
