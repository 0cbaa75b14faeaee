#pragma once
// What the host's file picker and tag browser share: a resizable dialog built
// from an in-memory template whose list view and filter combo boxes the
// module drives between its init and close entries. The module's close entry
// runs exactly once, before the dialog's child windows go (on OK, Cancel or
// destruction), whether the dialog runs modal or modeless. The controls
// follow the dialog's size by a table of anchors; Ctrl+A in a filter selects
// its text; a status line counts the rows shown.
#include <windows.h>
#include <commctrl.h>
#include <vector>
#include "fw/Dialog.h"
#include "fw/DialogTemplate.h"
#include "host/addin/ModuleTable.h"
#include "host/filterdialogs/DialogItems.h"

// Notification code of the module's filter notification.
constexpr UINT kFilterChangedCode = NM_CHAR;
// The module's request to reload, sent by the tag filters on F5.
constexpr UINT kF5Request = WM_USER + 1;

// How one edge pair of a dialog item follows the dialog's size.
enum class Follow {
  Stay,      // keeps its place and size
  Move,      // keeps its size, stays at the same distance from the far edge
  Stretch    // keeps its near edge, its far edge follows the dialog's
};

struct ItemAnchor {
  int id;
  Follow horizontal;
  Follow vertical;
};

class FilterDialog : public CDialog {
 public:
  FilterDialog(ModuleTable* table, DWORD dialogId) : m_table(table), m_dialogId(dialogId) {}

  // Modeless: the dialog shows until DestroyWindow (or OK/Cancel).
  bool CreateModeless(CWnd* parent);
  // Modal: returns IDOK or IDCANCEL.
  INT_PTR RunModal(CWnd* parent);

  // Keep the dialog's size in the host's profile (section SizeSection(),
  // keys "Width" and "Height", in pixels): restored before the module sees
  // the list, written when the dialog closes. Without a stored size the
  // dialog widens at its opening until every column shows, within the
  // screen's work area. Call before the dialog is created.
  void KeepSizeInProfile() { m_keepSize = true; }
  CString SizeSection() const;

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

  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool PreTranslateMessage(MSG* msg) override;

 protected:
  virtual CDialogTemplate BuildTemplate() const = 0;
  // How the dialog's own items follow its size; the list, the status line
  // and the buttons follow it in both dialogs alike.
  virtual std::vector<ItemAnchor> OwnAnchors() const = 0;
  // The list view whose columns the first opening makes room for.
  virtual int ListId() const = 0;
  // Places the controls before the module sees them; the template's layout
  // (or the kept size) stays by default.
  virtual void LayoutControls() {}
  // Rebuilds the host's array from the filters and sets the list's item count.
  virtual void Refilter() = 0;
  // The filter texts in one string, to see whether they changed.
  virtual CString FilterKey() const = 0;
  virtual void OpenModule() = 0;    // the module's init entry
  virtual void CloseModule() = 0;   // the module's close entry
  // The user chose (double click, OK or Enter): the selected row, or the
  // first row when none is selected. False when there is no row to choose;
  // the dialog then stays open.
  virtual bool OnChosen() { return true; }
  // Called after a filter notification; the edit text may still change when
  // the user picked an item of the drop-down list, so a second look follows.
  void OnFilterNotification();
  // The status line's text.
  void SetStatus(const char* text);

  ModuleTable* m_table;
  DWORD m_dialogId;
  bool m_moduleOpen = false;

 private:
  void EnsureModuleClosed();
  void FollowSize(int width, int height);
  SIZE StoredSize() const;
  bool RestoreSize();
  void FitColumns();
  void StoreSize();
  bool IsFilterEdit(HWND window) const;
  std::vector<ItemAnchor> Anchors() const;
  // The children still exist while the dialog gets WM_DESTROY.
  void OnDestroy();
  LRESULT OnRecheckFilter(WPARAM, LPARAM);
  void OnSize(UINT type, int cx, int cy);
  void OnGetMinMaxInfo(MINMAXINFO* info);

  CString m_lastFilterKey;
  bool m_keepSize = false;
  SIZE m_client = {0, 0};      // the client size the items were last placed for
  SIZE m_minimum = {0, 0};     // the template's window size, the smallest one allowed
  bool m_placed = false;       // m_client holds the items' client size

  DECLARE_MESSAGE_MAP()
};
