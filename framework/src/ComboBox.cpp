// CComboBox and CComboBoxEx: each member is one combo box message.
#include "fw/Controls.h"

int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }

int CComboBox::GetLBTextLen(int index) const {
  return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, index));
}

void CComboBox::GetLBText(int index, CString& text) const {
  int length = GetLBTextLen(index);
  if (length == CB_ERR) {
    text.Empty();
    return;
  }
  char* buffer = text.GetBuffer(length);
  int copied = static_cast<int>(SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer)));
  text.ReleaseBuffer(copied == CB_ERR ? 0 : copied);
}

int CComboBox::AddString(const char* text) {
  return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text != nullptr ? text : "")));
}

int CComboBox::InsertString(int index, const char* text) {
  return static_cast<int>(
      SendMessage(CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text != nullptr ? text : "")));
}

int CComboBox::DeleteString(int index) {
  return static_cast<int>(SendMessage(CB_DELETESTRING, index));
}

void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }

int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }

int CComboBox::SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }

bool CComboBox::GetDroppedState() const { return SendMessage(CB_GETDROPPEDSTATE) != 0; }

void CComboBox::ShowDropDown(bool show) { SendMessage(CB_SHOWDROPDOWN, show ? TRUE : FALSE); }

CComboBoxEx::CComboBoxEx() {}
CComboBoxEx::~CComboBoxEx() {}
