#pragma once
#include <windows.h>
#include <commctrl.h>
#include "fw/Wnd.h"

// Thin wrappers: each member is one message to the control.
class FW_API CListCtrl : public CWnd {
 public:
  DWORD GetExtendedStyle() const;
  DWORD SetExtendedStyle(DWORD exStyle);   // the whole extended style (mask 0)
  int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1,
                   int subItem = -1);
  int GetColumnWidth(int column) const;
  bool SetColumnWidth(int column, int width);
  int GetItemCount() const;
  bool SetItemCountEx(int count, DWORD flags = LVSICF_NOINVALIDATEALL);
  int GetNextItem(int start, int flags) const;
  UINT GetItemState(int item, UINT mask) const;
  bool SetItemState(int item, UINT state, UINT mask);
  bool EnsureVisible(int item, bool partialOK);
  int GetTopIndex() const;
  int GetCountPerPage() const;
  // Text of an item's cell as the list view gives it (asking its owner when
  // the text is a callback).
  CString GetItemText(int item, int subItem) const;
  int InsertItem(int item, const char* text);
  bool DeleteAllItems();
};

class FW_API CComboBox : public CWnd {
 public:
  int GetCount() const;
  int GetLBTextLen(int index) const;
  void GetLBText(int index, CString& text) const;
  int AddString(const char* text);
  int InsertString(int index, const char* text);
  int DeleteString(int index);
  void ResetContent();
  int GetCurSel() const;
  int SetCurSel(int index);
  bool GetDroppedState() const;
  void ShowDropDown(bool show = true);
};

// The extended combo box wrapper; used here only for the plain combo box
// operations it inherits.
class FW_API CComboBoxEx : public CComboBox {
 public:
  CComboBoxEx();
  ~CComboBoxEx() override;
};
