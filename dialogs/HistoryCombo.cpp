#include "dialogs/HistoryCombo.h"
#include <commctrl.h>

BEGIN_MESSAGE_MAP(HistoryCombo, CComboBoxEx)
  ON_CONTROL_REFLECT(CBN_EDITCHANGE, OnFilterChanged)
  ON_CONTROL_REFLECT(CBN_SELENDOK, OnFilterChanged)
END_MESSAGE_MAP()

bool HistoryCombo::PreTranslateMessage(MSG* msg) {
  if (msg->message != WM_KEYDOWN) return CComboBoxEx::PreTranslateMessage(msg);

  UINT key = static_cast<UINT>(msg->wParam);
  bool forward = false;
  bool consume = false;
  ClassifyKey(key, forward, consume);

  // With the drop-down list showing, the keys belong to it.
  if (GetDroppedState()) return CComboBoxEx::PreTranslateMessage(msg);

  if (forward && listControl && listControl->IsWindow())
    ::SendMessageA(listControl->m_hWnd, WM_KEYDOWN, msg->wParam, msg->lParam);
  if (consume) return true;
  return CComboBoxEx::PreTranslateMessage(msg);
}

void HistoryCombo::ClassifyKey(UINT key, bool& forward, bool& consume) {
  switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
      forward = true;
      consume = true;
      break;
    case VK_HOME:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
      forward = false;
      consume = false;
      break;
    default:
      forward = true;
      consume = false;
      break;
  }
}

void HistoryCombo::OnFilterChanged() {
  // Only the header is read by the dialog; the rest is cleared so that no
  // stack garbage is handed out.
  NMCHAR record = {};
  int id = GetDlgCtrlID();
  record.hdr.hwndFrom = m_hWnd;
  record.hdr.idFrom = static_cast<UINT_PTR>(id);
  record.hdr.code = FILTER_CHANGED_CODE;
  ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, static_cast<WPARAM>(id),
                 reinterpret_cast<LPARAM>(&record));
}

void HistoryCombo::AddHistoryText(const CString& text) {
  if (text.IsEmpty() || !IsWindow()) return;
  CString first;
  if (GetCount() > 0) GetLBText(0, first);
  if (first.Compare(text) != 0) InsertString(0, text);
  while (GetCount() > kHistoryLimit) {
    if (DeleteString(kHistoryLimit) == CB_ERR) break;
  }
}
