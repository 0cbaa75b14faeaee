#include "host/dialogs/TagBrowserDialog.h"
#include <commctrl.h>

BEGIN_MESSAGE_MAP(TagBrowserDialog, FilterDialog)
  ON_NOTIFY(kFilterChangedCode, kParentComboId, OnFilterChanged)
  ON_NOTIFY(kFilterChangedCode, kTagComboId, OnFilterChanged)
  ON_NOTIFY(NM_DBLCLK, kListId, OnListDoubleClick)
  ON_MESSAGE(kF5Request, OnReloadRequest)
END_MESSAGE_MAP()

TagBrowserDialog::~TagBrowserDialog() {
  if (IsWindow()) DestroyWindow();
}

CDialogTemplate TagBrowserDialog::BuildTemplate() const {
  CDialogTemplate t("Browse Tags",
                    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME,
                    0, 0, 420, 240);
  const DWORD comboStyle =
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
  t.AddItem("ComboBox", "", comboStyle, 7, 7, 150, 120, kParentComboId);
  t.AddItem("ComboBox", "", comboStyle, 163, 7, 250, 120, kTagComboId);
  t.AddItem("SysListView32", "",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA |
                LVS_SHOWSELALWAYS, 7, 25, 406, 190, kListId);
  t.AddItem("Button", "OK",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
            309, 220, 50, 14, IDOK);
  t.AddItem("Button", "Cancel",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
            363, 220, 50, 14, IDCANCEL);
  return t;
}

void TagBrowserDialog::SetTags(const std::vector<TagEntry*>& tags) {
  m_tags = tags;
  if (m_moduleOpen) ApplyFilter();
}

CString TagBrowserDialog::FilterKey() const {
  return FilterText(kParentComboId) + "\n" + FilterText(kTagComboId);
}

void TagBrowserDialog::Refilter() {
  CString parentNeedle = FilterText(kParentComboId);
  CString nameNeedle = FilterText(kTagComboId);
  parentNeedle.MakeLower();
  nameNeedle.MakeLower();
  m_visible.clear();
  for (TagEntry* tag : m_tags) {
    if (ContainsNoCase(tag->parentName, parentNeedle) && ContainsNoCase(tag->name, nameNeedle))
      m_visible.push_back(tag);
  }
  m_tagArray = m_visible.empty() ? nullptr : m_visible.data();
  ::SendMessageA(ItemHwnd(kListId), LVM_SETITEMCOUNT, m_visible.size(), 0);
}

TagEntry* TagBrowserDialog::SelectedTag() const {
  int row = SelectedRow(kListId);
  if (row < 0 || static_cast<size_t>(row) >= m_visible.size()) return nullptr;
  return m_visible[static_cast<size_t>(row)];
}

void TagBrowserDialog::OpenModule() {
  m_table->initTagDialog(this, m_dialogId, &m_parentCombo, &m_tagCombo, &m_list, &m_tagArray);
}

void TagBrowserDialog::CloseModule() {
  m_table->closeTagDialog();
  m_parentCombo = nullptr;
  m_tagCombo = nullptr;
  m_list = nullptr;
}

void TagBrowserDialog::OnChosen() {
  TagEntry* tag = SelectedTag();
  if (tag && onChosen) onChosen(tag);
}

void TagBrowserDialog::OnFilterChanged(NMHDR*, LRESULT* result) {
  OnFilterNotification();
  *result = 0;
}

void TagBrowserDialog::OnListDoubleClick(NMHDR*, LRESULT* result) {
  *result = 0;
  if (SelectedRow(kListId) >= 0) OnOK();
}

LRESULT TagBrowserDialog::OnReloadRequest(WPARAM, LPARAM) {
  if (onReload) onReload();
  if (m_moduleOpen) ApplyFilter();
  return 0;
}
