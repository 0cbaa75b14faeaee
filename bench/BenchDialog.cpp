#include "bench/BenchDialog.h"

#include <commctrl.h>
#include "bench/DialogTemplate.h"

namespace bench {

bool BenchDialog::Open(Kind kind) {
  m_kind = kind;
  const DWORD listStyle = LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP;
  const DWORD comboStyle = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
  DialogTemplate dialogTemplate(kind == FilePicker ? "Open File" : "Tags", 400, 260);
  if (kind == FilePicker) {
    dialogTemplate.AddItem("ComboBox", kFileComboId, comboStyle, 5, 5, 390, 100);
    dialogTemplate.AddItem("SysListView32", kFileListId, listStyle, 5, 25, 390, 230);
  } else {
    dialogTemplate.AddItem("ComboBox", kTagParentComboId, comboStyle, 5, 5, 190, 100);
    dialogTemplate.AddItem("ComboBox", kTagComboId, comboStyle, 205, 5, 190, 100);
    dialogTemplate.AddItem("SysListView32", kTagListId, listStyle, 5, 25, 390, 230);
  }
  return CreateIndirect(dialogTemplate.Get(), nullptr);
}

HWND BenchDialog::List() const { return GetDlgItem(m_kind == FilePicker ? kFileListId : kTagListId); }

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
