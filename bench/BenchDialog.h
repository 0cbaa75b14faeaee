#pragma once
// The dialogs the display requests are measured in: modeless framework dialogs
// from in-memory templates laid out like the host's file picker and tag
// browser, their list and filters under the same item numbers.
#include "fw/Dialog.h"

namespace bench {

class BenchDialog : public CDialog {
 public:
  enum Kind { FilePicker, TagBrowser };
  // Creates the dialog window (hidden); false when it could not be made.
  bool Open(Kind kind);
  HWND List() const;
  // The item number of the list of a dialog of that kind.
  static int ListId(Kind kind);

 private:
  Kind m_kind = FilePicker;
};

// Sends LVM_GETITEMTEXTA for every item of every column from 0 to columns - 1.
void RequestAllCells(HWND list, int items, int columns);

}  // namespace bench
