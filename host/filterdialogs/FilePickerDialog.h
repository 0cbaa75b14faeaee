#pragma once
// The host's file picker: a filter combo box (item 1021) over an owner-data
// list of the workspace files (item 1020, columns Filename and Path). The
// module answers the list's text requests and the filter's keys; the host
// keeps the files, picks the rows that match the filter and sets the count.
// The filter matches parts of a file's path and name ("host\app\Main.cpp"),
// letter case ignored, with either slash between folders.
#include <functional>
#include <string>
#include <vector>
#include "host/filterdialogs/FilterDialog.h"
#include "host/filterdialogs/SubstringFilter.h"
#include "host/addin/FileEntry.h"

class FilePickerDialog : public FilterDialog {
 public:
  static constexpr int kListId = 1020;
  static constexpr int kComboId = 1021;
  static constexpr int kLabelId = 1022;
  static constexpr DWORD kDefaultDialogId = 0x7D1;

  explicit FilePickerDialog(ModuleTable* table, DWORD dialogId = kDefaultDialogId)
      : FilterDialog(table, dialogId) {}
  // A dialog still showing is destroyed here, so the module's close entry runs first.
  ~FilePickerDialog() override;

  // The files to pick from (not owned); refilters when the dialog is open.
  // Call again when the catalog changed.
  void SetFiles(FileCatalog* catalog);
  // Called with the chosen file on double click, OK or Enter.
  std::function<void(FileEntry*)> onChosen;

  // The first selected file, or null.
  FileEntry* SelectedFile() const;
  // What OK takes: the first selected file, or the first row's when none is selected.
  FileEntry* ChosenFile() const;
  // Positions into the catalog of the rows shown, in order.
  const std::vector<DWORD>& visiblePositions() const { return m_visible; }
  // The controls the module attached (valid while the module has the dialog).
  CWnd* moduleCombo() const { return m_combo; }
  CWnd* moduleList() const { return m_list; }

  void Refilter() override;
  // The text a filter is looked for in: "folder\name.ext", lower case, backslashes.
  static std::string Key(FileEntry* file);
  // The filter as it is looked for.
  static std::string Needle(const char* filter);

 protected:
  CDialogTemplate BuildTemplate() const override;
  std::vector<ItemAnchor> OwnAnchors() const override;
  int ListId() const override { return kListId; }
  CString FilterKey() const override { return FilterText(kComboId); }
  void OpenModule() override;
  void CloseModule() override;
  bool OnChosen() override;

  void OnFilterChanged(NMHDR* header, LRESULT* result);
  void OnListDoubleClick(NMHDR* header, LRESULT* result);

 private:
  FileCatalog* m_catalog = nullptr;   // the module reads it through its address
  SubstringFilter m_filter{1};        // per file: its Key
  DWORD* m_indexArray = nullptr;      // likewise: m_visible's data or null
  std::vector<DWORD> m_visible;
  CWnd* m_combo = nullptr;
  CWnd* m_list = nullptr;

  DECLARE_MESSAGE_MAP()
};
