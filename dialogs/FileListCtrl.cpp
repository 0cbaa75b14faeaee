#include "dialogs/FileListCtrl.h"
#include "module/HostInterfaces.h"

BEGIN_MESSAGE_MAP(FileListCtrl, CListCtrl)
  ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
END_MESSAGE_MAP()

void FileListCtrl::OnGetDispInfo(NMHDR* header, LRESULT* result) {
  LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
  item.mask = LVIF_TEXT;
  *result = 0;

  // Until the host has handed over its locations there is nothing to show.
  if (!m_indexArrayLocation || !*m_indexArrayLocation || !m_collectionLocation ||
      !*m_collectionLocation)
    return;
  DWORD position = (*m_indexArrayLocation)[item.iItem];
  HostFile* file = (*m_collectionLocation)->GetFileAt(position);
  if (!file) return;

  CString text;
  if (item.iSubItem == 0) {
    text = file->GetBareName();
    const CString& extension = file->GetExtension();
    if (!extension.IsEmpty()) text += "." + extension;
  } else {
    text = file->GetPathText();
  }
  item.pszText = const_cast<char*>(m_ring.Put(text));
}
