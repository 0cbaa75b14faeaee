#pragma once
// The host's tag browser: a parent filter (item 1051) and a tag-name filter
// (item 1052) over an owner-data list of tags (item 1050, columns Type,
// Namespace, Parent, Tag, Filename, Line). The module answers the list's text
// requests and the filters' keys; the host keeps the tags, picks the rows
// that match both filters and sets the count. F5 in a filter asks the host to
// reload its tags.
//
// Both filters match parts of words, letter case ignored. The parent filter
// matches the Parent column; a parent filter with a colon in it matches the
// qualified parent followed by "::" instead, so "flat::Circle", "Circle::"
// and "geo::flat" all find the members of geo::flat::Circle.
#include <functional>
#include <vector>
#include "host/filterdialogs/FilterDialog.h"
#include "host/filterdialogs/SubstringFilter.h"
#include "host/addin/TagEntry.h"

class TagBrowserDialog : public FilterDialog {
 public:
  static constexpr int kListId = 1050;
  static constexpr int kParentComboId = 1051;
  static constexpr int kTagComboId = 1052;
  static constexpr int kParentLabelId = 1053;
  static constexpr int kTagLabelId = 1054;
  static constexpr DWORD kDefaultDialogId = 0x7D2;

  explicit TagBrowserDialog(ModuleTable* table, DWORD dialogId = kDefaultDialogId)
      : FilterDialog(table, dialogId), m_tags(&m_noTags) {}
  // A dialog still showing is destroyed here, so the module's close entry runs first.
  ~TagBrowserDialog() override;

  // The tags to browse; refilters when the dialog is open. The array is the
  // caller's, not copied (a big tree's is megabytes): unless it is empty, it
  // stays as it is until the next SetTags or the dialog's end.
  void SetTags(const std::vector<TagEntry*>& tags);
  // Called with the chosen tag on double click, OK or Enter.
  std::function<void(TagEntry*)> onChosen;
  // Called on F5 in a filter, before the list is filtered again; it may call SetTags.
  std::function<void()> onReload;

  // The first selected tag, or null.
  TagEntry* SelectedTag() const;
  // What OK takes: the first selected tag, or the first row's when none is selected.
  TagEntry* ChosenTag() const;
  // The tags the list shows, in its order.
  size_t visibleCount() const { return m_visibleCount; }
  TagEntry* VisibleTag(size_t row) const;   // null past the last
  CWnd* moduleParentCombo() const { return m_parentCombo; }
  CWnd* moduleTagCombo() const { return m_tagCombo; }
  CWnd* moduleList() const { return m_list; }

  void Refilter() override;
  // A filter over the tags, in their order, with three keys each: name,
  // parent name, qualified parent followed by "::" (empty at file level);
  // the last two kept as one group.
  static SubstringFilter KeysOf(const std::vector<TagEntry*>& tags);
  // The needles of those three keys for the texts of the two filters.
  static std::vector<std::string> Needles(const char* parentFilter, const char* tagFilter);

 protected:
  CDialogTemplate BuildTemplate() const override;
  std::vector<ItemAnchor> OwnAnchors() const override;
  int ListId() const override { return kListId; }
  CString FilterKey() const override;
  void OpenModule() override;
  void CloseModule() override;
  bool OnChosen() override;

  void OnFilterChanged(NMHDR* header, LRESULT* result);
  void OnListDoubleClick(NMHDR* header, LRESULT* result);
  LRESULT OnReloadRequest(WPARAM comboId, LPARAM);

 private:
  // An empty list, no keys: what shows while the tags change.
  void ShowNoTags();
  // The filter's keys of the tags, and the memory of a first search.
  void MakeKeys();

  const std::vector<TagEntry*>* m_tags;   // the caller's, or an empty array of our own
  SubstringFilter m_filter{3};   // KeysOf(*m_tags) when m_haveKeys
  bool m_haveKeys = false;
  std::vector<TagEntry*> m_visible;   // the tags shown, unless every tag shows
  size_t m_visibleCount = 0;
  const std::vector<TagEntry*> m_noTags;
  // The module reads it through its address, never writing to it: m_visible's data or the caller's.
  TagEntry** m_tagArray = nullptr;
  CWnd* m_parentCombo = nullptr;
  CWnd* m_tagCombo = nullptr;
  CWnd* m_list = nullptr;

  DECLARE_MESSAGE_MAP()
};
