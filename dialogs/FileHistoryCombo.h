#pragma once
// The file picker's filter combo box (dialog item 1021). Ctrl+Home and
// Ctrl+End select the first or last file of the list itself.
#include "dialogs/HistoryCombo.h"

class FileHistoryCombo : public HistoryCombo {
 public:
  FileHistoryCombo() = default;
  ~FileHistoryCombo() override = default;

 protected:
  void ClassifyKey(UINT key, bool& forward, bool& consume) override;

 private:
  void JumpTo(bool last);
};
