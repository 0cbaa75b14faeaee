#pragma once
// The dialogs the display requests are measured in: modeless framework dialogs
// from in-memory templates laid out like the host's file picker (list 1020,
// filter 1021) and tag browser (list 1050, filters 1051 and 1052).
#include "fw/Dialog.h"

namespace bench {

enum : UINT {
  kFileListId = 1020, kFileComboId = 1021,
  kTagListId = 1050, kTagParentComboId = 1051, kTagComboId = 1052
};

class BenchDialog : public CDialog {
 public:
  enum Kind { FilePicker, TagBrowser };
  // Creates the dialog window (hidden); false when it could not be made.
  bool Open(Kind kind);
  HWND List() const;

 private:
  Kind m_kind = FilePicker;
};

// Sends LVM_GETITEMTEXTA for every item of every column from 0 to columns - 1.
void RequestAllCells(HWND list, int items, int columns);

}  // namespace bench
