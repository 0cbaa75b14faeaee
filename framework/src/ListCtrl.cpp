// CListCtrl: each member is one list view message.
#include "fw/Controls.h"

DWORD CListCtrl::GetExtendedStyle() const {
  return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

DWORD CListCtrl::SetExtendedStyle(DWORD exStyle) {
  return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle));
}

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width, int subItem) {
  LVCOLUMNA col = {};
  col.mask = LVCF_TEXT | LVCF_FMT;
  col.fmt = format;
  col.pszText = const_cast<char*>(heading != nullptr ? heading : "");
  if (width != -1) {
    col.mask |= LVCF_WIDTH;
    col.cx = width;
  }
  if (subItem != -1) {
    col.mask |= LVCF_SUBITEM;
    col.iSubItem = subItem;
  }
  return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&col)));
}

int CListCtrl::GetColumnWidth(int column) const {
  return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, column));
}

bool CListCtrl::SetColumnWidth(int column, int width) {
  return SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0;
}

int CListCtrl::GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }

bool CListCtrl::SetItemCountEx(int count, DWORD flags) {
  return SendMessage(LVM_SETITEMCOUNT, count, flags) != 0;
}

int CListCtrl::GetNextItem(int start, int flags) const {
  return static_cast<int>(SendMessage(LVM_GETNEXTITEM, start, MAKELPARAM(flags, 0)));
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
  return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, item, mask));
}

bool CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  LVITEMA lvi = {};
  lvi.state = state;
  lvi.stateMask = mask;
  return SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&lvi)) != 0;
}

bool CListCtrl::EnsureVisible(int item, bool partialOK) {
  return SendMessage(LVM_ENSUREVISIBLE, item, partialOK ? TRUE : FALSE) != 0;
}

int CListCtrl::GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }

int CListCtrl::GetCountPerPage() const {
  return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE));
}

CString CListCtrl::GetItemText(int item, int subItem) const {
  // The list view copies at most the buffer's size; grow until the text fits.
  // A callback or owner-data list asks its owner, which may point the request
  // at its own characters instead of filling the buffer.
  CString text;
  for (int size = 256;; size *= 2) {
    LVITEMA lvi = {};
    lvi.iSubItem = subItem;
    lvi.cchTextMax = size;
    char* buffer = text.GetBuffer(size);
    buffer[0] = '\0';
    lvi.pszText = buffer;
    int length = static_cast<int>(SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lvi)));
    if (lvi.pszText != buffer && lvi.pszText != nullptr && lvi.pszText != LPSTR_TEXTCALLBACKA) {
      CString answered(lvi.pszText);
      text.ReleaseBuffer(0);
      return answered;
    }
    buffer[size] = '\0';
    text.ReleaseBuffer();
    if (length < size - 1 || size >= (1 << 20)) return text;
  }
}

int CListCtrl::InsertItem(int item, const char* text) {
  LVITEMA lvi = {};
  lvi.mask = LVIF_TEXT;
  lvi.iItem = item;
  lvi.pszText = const_cast<char*>(text != nullptr ? text : "");
  return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lvi)));
}

bool CListCtrl::DeleteAllItems() { return SendMessage(LVM_DELETEALLITEMS) != 0; }
