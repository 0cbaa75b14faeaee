#include "host/filterdialogs/FilePickerDialog.h"
#include <commctrl.h>
#include "host/filterdialogs/DialogItems.h"

BEGIN_MESSAGE_MAP(FilePickerDialog, FilterDialog)
  ON_NOTIFY(kFilterChangedCode, kComboId, OnFilterChanged)
  ON_NOTIFY(NM_DBLCLK, kListId, OnListDoubleClick)
END_MESSAGE_MAP()

FilePickerDialog::~FilePickerDialog() {
  if (IsWindow()) DestroyWindow();
}

CDialogTemplate FilePickerDialog::BuildTemplate() const {
  const int height = 200;
  CDialogTemplate t("Open File", kFilterDialogStyle, 0, 0, 320, height);
  // The label comes before the filter, so that its mnemonic reaches the filter.
  t.AddItem(kStaticClassAtom, "&Name or path:", kLabelStyle, 7, 9, 50, 8, kLabelId);
  t.AddItem(WC_COMBOBOXA, "", kFilterComboStyle, 58, 7, 255, 120, kComboId);
  t.AddItem(WC_LISTVIEWA, "", kFilterListStyle, 7, 25, 306, 150, kListId);
  AddStatusAndButtons(t, height, 150);
  return t;
}

std::vector<ItemAnchor> FilePickerDialog::OwnAnchors() const {
  // The filter widens with the dialog.
  return {{kComboId, Follow::Stretch, Follow::Stay}};
}

std::string FilePickerDialog::Key(FileEntry* file) {
  std::string path = static_cast<const char*>(file->GetPathText());
  std::string name = static_cast<const char*>(file->DisplayName());
  return Needle((path.empty() ? name : path + "\\" + name).c_str());
}

std::string FilePickerDialog::Needle(const char* filter) {
  std::string text = SubstringFilter::Lower(filter ? filter : "");
  for (char& ch : text) {
    if (ch == '/') ch = '\\';
  }
  return text;
}

void FilePickerDialog::SetFiles(FileCatalog* catalog) {
  m_catalog = catalog;
  m_filter.Clear();
  if (catalog) m_filter.ReserveRows(catalog->GetCount());
  for (DWORD i = 0; catalog && i < catalog->GetCount(); ++i) {
    std::string key = Key(catalog->At(i));
    const char* keys[] = {key.c_str()};
    m_filter.AddRow(keys);
  }
  if (m_moduleOpen) ApplyFilter();
}

void FilePickerDialog::Refilter() {
  SubstringFilter::Found found = m_filter.Apply({Needle(FilterText(kComboId))});
  m_visible.resize(found.size());
  for (size_t i = 0; i < found.size(); ++i) m_visible[i] = found[i];
  m_indexArray = m_visible.empty() ? nullptr : m_visible.data();
  ::SendMessageA(ItemHwnd(kListId), LVM_SETITEMCOUNT, m_visible.size(), 0);
  SetStatus((std::to_string(m_visible.size()) + " of " + std::to_string(m_filter.rowCount()) + " files").c_str());
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

FileEntry* FilePickerDialog::ChosenFile() const {
  if (FileEntry* selected = SelectedFile()) return selected;
  return m_catalog && !m_visible.empty() ? m_catalog->GetFileAt(m_visible.front()) : nullptr;
}

bool FilePickerDialog::OnChosen() {
  FileEntry* file = ChosenFile();
  if (!file) return false;
  if (onChosen) onChosen(file);
  return true;
}

void FilePickerDialog::OnFilterChanged(NMHDR*, LRESULT* result) {
  OnFilterNotification();
  *result = 0;
}

void FilePickerDialog::OnListDoubleClick(NMHDR*, LRESULT* result) {
  *result = 0;
  if (SelectedRow(kListId) >= 0) OnOK();
}
