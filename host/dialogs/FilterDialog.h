#pragma once
// What the host's file picker and tag browser share: a dialog built from an
// in-memory template whose list view and filter combo boxes the module drives
// between its init and close entries. The module's close entry runs exactly
// once, before the dialog's child windows go (on OK, Cancel or destruction),
// whether the dialog runs modal or modeless.
#include <windows.h>
#include "fw/Dialog.h"
#include "fw/DialogTemplate.h"
#include "host/module/ModuleTable.h"

// Notification code of the module's filter notification (NM_CHAR).
constexpr UINT kFilterChangedCode = static_cast<UINT>(-18);
// The module's request to reload, sent by the tag filters on F5.
constexpr UINT kF5Request = WM_USER + 1;

class FilterDialog : public CDialog {
 public:
  FilterDialog(ModuleTable* table, DWORD dialogId) : m_table(table), m_dialogId(dialogId) {}

  // Modeless: the dialog shows until DestroyWindow (or OK/Cancel).
  bool CreateModeless(CWnd* parent);
  // Modal: returns IDOK or IDCANCEL.
  INT_PTR RunModal(CWnd* parent);

  DWORD dialogId() const { return m_dialogId; }
  bool moduleOpen() const { return m_moduleOpen; }
  HWND ItemHwnd(int id) const { return GetDlgItem(id); }
  // The combo box's edit field (the window that receives typed keys).
  HWND EditOf(int comboId) const;
  // Text of a filter combo box's edit field.
  CString FilterText(int comboId) const;
  // The first selected row of the list view, or -1.
  int SelectedRow(int listId) const;
  // Applies the current filters to the host's array and the list's item count.
  void ApplyFilter();

  static bool ContainsNoCase(const char* text, const CString& lowerNeedle);

  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  virtual CDialogTemplate BuildTemplate() const = 0;
  // Places the controls before the module sees them; the template's layout
  // stays by default.
  virtual void LayoutControls() {}
  // Rebuilds the host's array from the filters and sets the list's item count.
  virtual void Refilter() = 0;
  // The filter texts in one string, to see whether they changed.
  virtual CString FilterKey() const = 0;
  virtual void OpenModule() = 0;    // the module's init entry
  virtual void CloseModule() = 0;   // the module's close entry
  // The user chose the selected row (double click or OK).
  virtual void OnChosen() {}
  // Called after a filter notification; the edit text may still change when
  // the user picked an item of the drop-down list, so a second look follows.
  void OnFilterNotification();

  ModuleTable* m_table;
  DWORD m_dialogId;
  bool m_moduleOpen = false;

 private:
  void EnsureModuleClosed();
  CString m_lastFilterKey;
};
