#include "host/filterdialogs/TagBrowserDialog.h"
#include <commctrl.h>
#include "host/filterdialogs/DialogItems.h"
#include <string>

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
  // The module sizes the columns from the list's width: at this size, with
  // no stored widths, the first four fill about 460 pixels; the dialog then
  // widens for Filename and Line (see KeepSizeInProfile).
  const int height = 250;
  CDialogTemplate t("Browse Tags", kFilterDialogStyle, 0, 0, 320, height);
  // Each label comes before its filter, so that its mnemonic reaches the filter.
  t.AddItem(kStaticClassAtom, "&Parent:", kLabelStyle, 7, 9, 28, 8, kParentLabelId);
  t.AddItem(WC_COMBOBOXA, "", kFilterComboStyle, 36, 7, 110, 120, kParentComboId);
  t.AddItem(kStaticClassAtom, "&Tag:", kLabelStyle, 154, 9, 18, 8, kTagLabelId);
  t.AddItem(WC_COMBOBOXA, "", kFilterComboStyle, 173, 7, 140, 120, kTagComboId);
  t.AddItem(WC_LISTVIEWA, "", kFilterListStyle, 7, 25, 306, 199, kListId);
  AddStatusAndButtons(t, height, 190);
  return t;
}

std::vector<ItemAnchor> TagBrowserDialog::OwnAnchors() const {
  // The filter widens with the dialog.
  return {{kTagComboId, Follow::Stretch, Follow::Stay}};
}

SubstringFilter TagBrowserDialog::KeysOf(const std::vector<TagEntry*>& tags) {
  // The parent name and the qualified parent both come from the scope:
  // kept together, once for all the tags of one scope.
  SubstringFilter filter({1, 2});
  filter.ReserveRows(tags.size());
  std::string qualified;
  for (TagEntry* tag : tags) {
    const char* scope = tag->Scope();
    qualified.clear();
    if (*scope) qualified.append(scope).append("::");
    const char* keys[] = {tag->Name(), tag->ParentName(), qualified.c_str()};
    filter.AddRow(keys);
  }
  return filter;
}

void TagBrowserDialog::SetTags(const std::vector<TagEntry*>& tags) {
  // The old keys go before the new ones are made, so that two big trees'
  // keys are never held at once.
  ShowNoTags();
  // An empty array may be a temporary: ours stands for it.
  m_tags = tags.empty() ? &m_noTags : &tags;
  MakeKeys();
  if (m_moduleOpen) ApplyFilter();
}

void TagBrowserDialog::MakeKeys() {
  m_filter = KeysOf(*m_tags);
  // The memory of the first key's result, taken before the key: fresh
  // memory costs a page fault every few kilobytes, for a million tags more
  // than the search.
  m_filter.ReserveFirstSearch();
  m_visible.assign(m_tags->begin(), m_tags->end());
  m_visible.clear();
  m_haveKeys = true;
}

void TagBrowserDialog::ShowNoTags() {
  m_filter.Clear();
  m_haveKeys = false;
  m_visible = std::vector<TagEntry*>();
  m_visibleCount = 0;
  m_tagArray = nullptr;
  if (IsWindow()) ::SendMessageA(ItemHwnd(kListId), LVM_SETITEMCOUNT, 0, 0);
}

CString TagBrowserDialog::FilterKey() const {
  return FilterText(kParentComboId) + "\n" + FilterText(kTagComboId);
}

std::vector<std::string> TagBrowserDialog::Needles(const char* parentFilter, const char* tagFilter) {
  std::string parent = SubstringFilter::Lower(parentFilter ? parentFilter : "");
  bool qualified = parent.find(':') != std::string::npos;
  return {SubstringFilter::Lower(tagFilter ? tagFilter : ""), qualified ? std::string() : parent,
          qualified ? parent : std::string()};
}

void TagBrowserDialog::Refilter() {
  SubstringFilter::Found found = m_filter.Apply(Needles(FilterText(kParentComboId), FilterText(kTagComboId)));
  if (found.everyRow) {
    // Every tag shows: the module reads the tags' own array, no copy of it.
    m_visible.clear();
    m_tagArray = m_tags->empty() ? nullptr : const_cast<TagEntry**>(m_tags->data());
  } else {
    m_visible.resize(found.size());
    TagEntry* const* tags = m_tags->data();
    for (size_t i = 0; i < found.size(); ++i) m_visible[i] = tags[found[i]];
    m_tagArray = m_visible.empty() ? nullptr : m_visible.data();
  }
  m_visibleCount = found.size();
  ::SendMessageA(ItemHwnd(kListId), LVM_SETITEMCOUNT, m_visibleCount, 0);
  SetStatus((std::to_string(m_visibleCount) + " of " + std::to_string(m_tags->size()) + " tags").c_str());
}

TagEntry* TagBrowserDialog::VisibleTag(size_t row) const {
  return row < m_visibleCount && m_tagArray ? m_tagArray[row] : nullptr;
}

TagEntry* TagBrowserDialog::SelectedTag() const {
  int row = SelectedRow(kListId);
  return row < 0 ? nullptr : VisibleTag(static_cast<size_t>(row));
}

TagEntry* TagBrowserDialog::ChosenTag() const {
  if (TagEntry* selected = SelectedTag()) return selected;
  return VisibleTag(0);
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

bool TagBrowserDialog::OnChosen() {
  TagEntry* tag = ChosenTag();
  if (!tag) return false;
  if (onChosen) onChosen(tag);
  return true;
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
  if (onReload) {
    // The list lets go of the tags before they are read again: the old ones
    // may be gone while the new ones are read, and a big tree's keys would
    // be held twice.
    ShowNoTags();
    onReload();
    // A reload that kept the tags (no SetTags) shows them again.
    if (!m_haveKeys) MakeKeys();
  }
  if (m_moduleOpen) ApplyFilter();
  return 0;
}
