#pragma once
// The file picker's list view (dialog item 1020), attached by subclassing. It
// holds no file data: each cell's text comes from the host file object that
// the host's index array names for that row.
#include <windows.h>
#include "fw/Controls.h"
#include "dialogs/TextRing.h"

class HostFileCollection;

class FileListCtrl : public CListCtrl {
 public:
  FileListCtrl() = default;
  ~FileListCtrl() override = default;

  // Addresses of the host's variables holding the index array and the file
  // collection; read anew at every request, so the host may replace either.
  void SetIndexArrayLocation(DWORD** location) { m_indexArrayLocation = location; }
  void SetCollectionLocation(HostFileCollection** location) { m_collectionLocation = location; }

 protected:
  void OnGetDispInfo(NMHDR* header, LRESULT* result);

 private:
  DWORD** m_indexArrayLocation = nullptr;
  HostFileCollection** m_collectionLocation = nullptr;
  TextRing m_ring;

  DECLARE_MESSAGE_MAP()
};
