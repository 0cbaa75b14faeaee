#pragma once
// The tag browser's list view (dialog item 1050), attached by subclassing. It
// holds no tag data: each cell's text comes from the host tag object at that
// row of the host's tag array.
#include <windows.h>
#include "fw/Controls.h"
#include "dialogs/TextRing.h"

class HostTag;

class TagListCtrl : public CListCtrl {
 public:
  TagListCtrl() = default;
  ~TagListCtrl() override = default;

  // Address of the host's variable holding the tag array's address; read
  // anew at every request, so the host may replace the array.
  void SetTagArrayLocation(HostTag*** location) { m_tagArrayLocation = location; }

  // Text of column 0 for a tag type code, or null for a code outside 0 to 12.
  static const char* TypeName(int code);

 protected:
  void OnGetDispInfo(NMHDR* header, LRESULT* result);

 private:
  HostTag*** m_tagArrayLocation = nullptr;
  TextRing m_ring;

  DECLARE_MESSAGE_MAP()
};
