#pragma once
#include "fw/Wnd.h"

// A dialog box from a template, run modeless (Create) or modal (DoModal, which
// runs the framework's own loop so that pre-translation sees every message).
class FW_API CDialog : public CWnd {
 public:
  CDialog();
  // Template from the resources of `instance` (null: the executable).
  bool Create(const char* templateName, CWnd* parent, HINSTANCE instance = nullptr);
  bool CreateIndirect(const DLGTEMPLATE* dialogTemplate, CWnd* parent);
  // Creates from the template, disables the owner, runs the modal loop.
  INT_PTR DoModal(const char* templateName, CWnd* parent, HINSTANCE instance = nullptr);
  INT_PTR DoModalIndirect(const DLGTEMPLATE* dialogTemplate, CWnd* parent);
  void EndDialog(int result);

  virtual bool OnInitDialog();   // true: let the system set the focus
  virtual void OnOK();           // IDOK: EndDialog(IDOK)
  virtual void OnCancel();       // IDCANCEL: EndDialog(IDCANCEL)

  // IsDialogMessage, so that Tab and the dialog keys work.
  bool PreTranslateMessage(MSG* msg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
  bool CreateFromTemplate(const DLGTEMPLATE* dialogTemplate, HWND parent, HINSTANCE instance);
  INT_PTR RunModal(const DLGTEMPLATE* dialogTemplate, CWnd* parent, HINSTANCE instance);
  bool m_bModal = false;
  bool m_bEndedEarly = false;   // EndDialog came before the modal loop started
  int m_nEndResult = 0;
};
