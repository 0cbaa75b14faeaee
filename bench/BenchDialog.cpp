#include "bench/BenchDialog.h"

#include <commctrl.h>
#include "fw/DialogTemplate.h"
#include "host/filterdialogs/FilePickerDialog.h"
#include "host/filterdialogs/TagBrowserDialog.h"

namespace bench {

bool BenchDialog::Open(Kind kind) {
  m_kind = kind;
  const DWORD listStyle = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP;
  const DWORD comboStyle = WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
  CDialogTemplate dialogTemplate(kind == FilePicker ? "Open File" : "Tags",
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 400, 260, nullptr);
  if (kind == FilePicker) {
    dialogTemplate.AddItem(WC_COMBOBOXA, "", comboStyle, 5, 5, 390, 100, FilePickerDialog::kComboId);
  } else {
    dialogTemplate.AddItem(WC_COMBOBOXA, "", comboStyle, 5, 5, 190, 100, TagBrowserDialog::kParentComboId);
    dialogTemplate.AddItem(WC_COMBOBOXA, "", comboStyle, 205, 5, 190, 100, TagBrowserDialog::kTagComboId);
  }
  dialogTemplate.AddItem(WC_LISTVIEWA, "", listStyle, 5, 25, 390, 230, ListId(kind));
  return CreateIndirect(dialogTemplate.Get(), nullptr);
}

HWND BenchDialog::List() const { return GetDlgItem(ListId(m_kind)); }

int BenchDialog::ListId(Kind kind) {
  return kind == FilePicker ? FilePickerDialog::kListId : TagBrowserDialog::kListId;
}

void RequestAllCells(HWND list, int items, int columns) {
  char buffer[MAX_PATH];
  LVITEMA item = {};
  for (int column = 0; column < columns; ++column) {
    for (int i = 0; i < items; ++i) {
      item.iSubItem = column;
      item.pszText = buffer;
      item.cchTextMax = sizeof buffer;
      SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
    }
  }
}

}  // namespace bench
