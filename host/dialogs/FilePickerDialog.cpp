#include "host/dialogs/FilePickerDialog.h"
#include <commctrl.h>

BEGIN_MESSAGE_MAP(FilePickerDialog, FilterDialog)
  ON_NOTIFY(kFilterChangedCode, kComboId, OnFilterChanged)
  ON_NOTIFY(NM_DBLCLK, kListId, OnListDoubleClick)
END_MESSAGE_MAP()

FilePickerDialog::~FilePickerDialog() {
  if (IsWindow()) DestroyWindow();
}

CDialogTemplate FilePickerDialog::BuildTemplate() const {
  CDialogTemplate t("Open File",
                    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME,
                    0, 0, 320, 200);
  t.AddItem("ComboBox", "",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
            7, 7, 306, 120, kComboId);
  t.AddItem("SysListView32", "",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA |
                LVS_SHOWSELALWAYS, 7, 25, 306, 150, kListId);
  t.AddItem("Button", "OK",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
            209, 180, 50, 14, IDOK);
  t.AddItem("Button", "Cancel",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
            263, 180, 50, 14, IDCANCEL);
  return t;
}

void FilePickerDialog::SetFiles(FileCatalog* catalog) {
  m_catalog = catalog;
  if (m_moduleOpen) ApplyFilter();
}

void FilePickerDialog::Refilter() {
  CString needle = FilterText(kComboId);
  needle.MakeLower();
  m_visible.clear();
  if (m_catalog) {
    for (DWORD i = 0; i < m_catalog->GetCount(); ++i) {
      if (ContainsNoCase(m_catalog->At(i)->DisplayName(), needle)) m_visible.push_back(i);
    }
  }
  m_indexArray = m_visible.empty() ? nullptr : m_visible.data();
  ::SendMessageA(ItemHwnd(kListId), LVM_SETITEMCOUNT, m_visible.size(), 0);
}

FileEntry* FilePickerDialog::SelectedFile() const {
  int row = SelectedRow(kListId);
  if (!m_catalog || row < 0 || static_cast<size_t>(row) >= m_visible.size()) return nullptr;
  return m_catalog->GetFileAt(m_visible[static_cast<size_t>(row)]);
}

void FilePickerDialog::OpenModule() {
  m_table->initFileDialog(this, m_dialogId, &m_combo, &m_list, &m_catalog, &m_indexArray);
}

void FilePickerDialog::CloseModule() {
  m_table->closeFileDialog();
  m_combo = nullptr;
  m_list = nullptr;
}

void FilePickerDialog::OnChosen() {
  FileEntry* file = SelectedFile();
  if (file && onChosen) onChosen(file);
}

void FilePickerDialog::OnFilterChanged(NMHDR*, LRESULT* result) {
  OnFilterNotification();
  *result = 0;
}

void FilePickerDialog::OnListDoubleClick(NMHDR*, LRESULT* result) {
  *result = 0;
  if (SelectedRow(kListId) >= 0) OnOK();
}
