#include "host/dialogs/FilterDialog.h"
#include <commctrl.h>

namespace {

// Posted after a filter notification: by then a choice from the drop-down
// list has reached the edit field.
constexpr UINT kRecheckFilter = WM_APP + 0x50;

void InitListViewClasses() {
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&init);
}

}  // namespace

bool FilterDialog::CreateModeless(CWnd* parent) {
  InitListViewClasses();
  CDialogTemplate dialogTemplate = BuildTemplate();
  return CreateIndirect(dialogTemplate.Get(), parent);
}

INT_PTR FilterDialog::RunModal(CWnd* parent) {
  InitListViewClasses();
  CDialogTemplate dialogTemplate = BuildTemplate();
  return DoModalIndirect(dialogTemplate.Get(), parent);
}

HWND FilterDialog::EditOf(int comboId) const {
  if (!IsWindow()) return nullptr;
  return FindWindowExA(GetDlgItem(comboId), nullptr, "Edit", nullptr);
}

CString FilterDialog::FilterText(int comboId) const {
  if (!IsWindow()) return CString();
  HWND combo = GetDlgItem(comboId);
  int length = GetWindowTextLengthA(combo);
  CString text;
  if (length > 0) {
    ::GetWindowTextA(combo, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer();
  }
  return text;
}

int FilterDialog::SelectedRow(int listId) const {
  if (!IsWindow()) return -1;
  return static_cast<int>(::SendMessageA(GetDlgItem(listId), LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool FilterDialog::ContainsNoCase(const char* text, const CString& lowerNeedle) {
  if (lowerNeedle.IsEmpty()) return true;
  CString lower(text);
  lower.MakeLower();
  return lower.Find(lowerNeedle) >= 0;
}

bool FilterDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  LayoutControls();
  OpenModule();
  m_moduleOpen = true;
  ApplyFilter();
  return true;
}

void FilterDialog::OnOK() {
  OnChosen();
  EnsureModuleClosed();
  CDialog::OnOK();
}

void FilterDialog::OnCancel() {
  EnsureModuleClosed();
  CDialog::OnCancel();
}

void FilterDialog::EnsureModuleClosed() {
  if (!m_moduleOpen) return;
  m_moduleOpen = false;
  CloseModule();
}

void FilterDialog::ApplyFilter() {
  m_lastFilterKey = FilterKey();
  Refilter();
}

void FilterDialog::OnFilterNotification() {
  ApplyFilter();
  PostMessage(kRecheckFilter);
}

LRESULT FilterDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The children still exist while the dialog gets WM_DESTROY.
  if (message == WM_DESTROY) EnsureModuleClosed();
  if (message == kRecheckFilter) {
    if (m_moduleOpen && FilterKey() != m_lastFilterKey) ApplyFilter();
    return 0;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}
