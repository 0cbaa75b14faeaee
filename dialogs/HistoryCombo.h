#pragma once
// A filter combo box of a host dialog (a drop-down combo box with an edit
// field), attached by subclassing. Navigation keys typed into the edit field
// steer the dialog's list view, each change of the filter text is told to the
// dialog, and the drop-down list serves as a history of filters, newest first.
#include <windows.h>
#include "fw/Controls.h"

// WM_NOTIFY code of the filter notification (the common controls' NM_CHAR).
constexpr UINT FILTER_CHANGED_CODE = static_cast<UINT>(-18);
// Sent to the dialog by the tag kind on F5; wParam is the combo box's ID.
constexpr UINT F5_REQUEST = WM_USER + 1;
// The drop-down list keeps at most this many filters.
constexpr int kHistoryLimit = 256;

class HistoryCombo : public CComboBoxEx {
 public:
  HistoryCombo() = default;
  ~HistoryCombo() override = default;

  bool PreTranslateMessage(MSG* msg) override;

  // Puts text at the top of the drop-down list unless it is empty or already
  // item 0, then cuts the list to kHistoryLimit items.
  void AddHistoryText(const CString& text);

  // The list control this combo box steers; not owned.
  CListCtrl* listControl = nullptr;

 protected:
  // What a WM_KEYDOWN of this key does: any immediate action happens here;
  // forward sends the key to the list view, consume ends the message. The
  // keys both kinds share: pages and arrows go to the list and stop there;
  // Home, End, Left and Right stay in the edit field; any other key goes to
  // both. Each kind overrides Ctrl+Home, Ctrl+End and F5 on top of this.
  virtual void ClassifyKey(UINT key, bool& forward, bool& consume);
  static bool IsCtrlHeld() { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }

  void OnFilterChanged();

  DECLARE_MESSAGE_MAP()
};
