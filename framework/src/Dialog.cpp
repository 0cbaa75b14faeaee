// CDialog: a dialog box from a template whose messages pass through the
// object's message map before the dialog manager's own processing.
#include "fw/Dialog.h"
#include "WndInternal.h"
#include "fw/WinApp.h"

// The dialog procedure the dialog manager calls from its default processing.
// WM_INITDIALOG carries the CDialog: the object is attached (and the window
// subclassed, so later messages reach the message map first) before
// OnInitDialog runs. Everything else is left to the dialog manager.
INT_PTR CALLBACK AfxDlgProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
  if (dialog == nullptr) return TRUE;
  if (CWnd::FromHandlePermanent(hwnd) != dialog && !dialog->SubclassWindow(hwnd)) return TRUE;
  return dialog->OnInitDialog() ? TRUE : FALSE;
}

namespace {

HINSTANCE ResolveInstance(HINSTANCE instance) {
  if (instance == nullptr) instance = AfxGetInstanceHandle();
  return instance != nullptr ? instance : ::GetModuleHandleA(nullptr);
}

const DLGTEMPLATE* LoadDialogTemplate(const char* templateName, HINSTANCE instance) {
  if (templateName == nullptr) return nullptr;
  HRSRC resource = ::FindResourceA(instance, templateName, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
  if (resource == nullptr) return nullptr;
  HGLOBAL loaded = ::LoadResource(instance, resource);
  return loaded != nullptr ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
}

// The window a modal dialog disables: the parent's top-level window, or the
// application's main window when no parent is given.
HWND ModalOwner(CWnd* parent) {
  HWND owner = parent != nullptr ? parent->GetSafeHwnd() : nullptr;
  if (owner == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != nullptr)
    owner = AfxGetApp()->m_pMainWnd->GetSafeHwnd();
  if (owner == nullptr || !::IsWindow(owner)) return nullptr;
  return ::GetAncestor(owner, GA_ROOT);
}

}  // namespace

CDialog::CDialog() {}

bool CDialog::CreateFromTemplate(const DLGTEMPLATE* dialogTemplate, HWND parent, HINSTANCE instance) {
  if (dialogTemplate == nullptr || m_hWnd != nullptr) return false;
  AfxEnsureCommonControls();
  HWND hwnd = ::CreateDialogIndirectParamA(ResolveInstance(instance), dialogTemplate, parent,
                                           AfxDlgProc, reinterpret_cast<LPARAM>(this));
  if (hwnd == nullptr) return false;
  if (m_hWnd == nullptr) SubclassWindow(hwnd);   // WM_INITDIALOG never came to us
  return m_hWnd == hwnd;
}

bool CDialog::Create(const char* templateName, CWnd* parent, HINSTANCE instance) {
  instance = ResolveInstance(instance);
  m_bModal = false;
  return CreateFromTemplate(LoadDialogTemplate(templateName, instance),
                            parent != nullptr ? parent->GetSafeHwnd() : nullptr, instance);
}

bool CDialog::CreateIndirect(const DLGTEMPLATE* dialogTemplate, CWnd* parent) {
  m_bModal = false;
  return CreateFromTemplate(dialogTemplate, parent != nullptr ? parent->GetSafeHwnd() : nullptr,
                            nullptr);
}

INT_PTR CDialog::RunModal(const DLGTEMPLATE* dialogTemplate, CWnd* parent, HINSTANCE instance) {
  if (dialogTemplate == nullptr || m_hWnd != nullptr) return -1;
  HWND owner = ModalOwner(parent);
  bool reenableOwner = owner != nullptr && ::IsWindowEnabled(owner);
  if (reenableOwner) ::EnableWindow(owner, FALSE);
  m_bModal = true;
  m_bEndedEarly = false;
  INT_PTR result = -1;
  if (CreateFromTemplate(dialogTemplate, owner, instance)) {
    if (m_bEndedEarly) {
      result = m_nEndResult;   // OnInitDialog already ended it
    } else {
      ShowWindow(SW_SHOWNORMAL);
      result = RunModalLoop();
    }
  }
  // Enable the owner before the dialog goes, so activation returns to it.
  if (reenableOwner) ::EnableWindow(owner, TRUE);
  if (owner != nullptr && m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd)
    ::SetActiveWindow(owner);
  if (m_hWnd != nullptr) DestroyWindow();
  m_bModal = false;
  return result;
}

INT_PTR CDialog::DoModal(const char* templateName, CWnd* parent, HINSTANCE instance) {
  instance = ResolveInstance(instance);
  return RunModal(LoadDialogTemplate(templateName, instance), parent, instance);
}

INT_PTR CDialog::DoModalIndirect(const DLGTEMPLATE* dialogTemplate, CWnd* parent) {
  return RunModal(dialogTemplate, parent, nullptr);
}

void CDialog::EndDialog(int result) {
  if (m_hWnd == nullptr) return;
  if (!m_bModal) {
    // A modeless dialog is done for good: nobody would destroy a hidden one.
    DestroyWindow();
    return;
  }
  if (ContinueModal()) {
    EndModalLoop(result);
  } else {
    m_bEndedEarly = true;
    m_nEndResult = result;
  }
}

bool CDialog::OnInitDialog() { return true; }
void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::PreTranslateMessage(MSG* msg) {
  // Only keys: the dialog manager dispatches whatever it takes, and mouse
  // messages need nothing from it.
  if (m_hWnd == nullptr || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return false;
  return ::IsDialogMessageA(m_hWnd, msg) != FALSE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnWndMsg(message, wParam, lParam, &result)) {
    // Answered here, before the dialog manager: the window procedure's result
    // is the answer. Keep it where a dialog procedure would leave it as well.
    if (message == WM_NOTIFY && m_hWnd != nullptr)
      ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return result;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (LOWORD(wParam) == IDOK) {
      OnOK();
      return 0;
    }
    if (LOWORD(wParam) == IDCANCEL) {
      OnCancel();
      return 0;
    }
  }
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefDlgProcA(m_hWnd, message, wParam, lParam);
}
