#pragma once
// A tag browser filter combo box (dialog items 1051 and 1052). Ctrl+Home and
// Ctrl+End go to the list view as plain keys; F5 asks the dialog to reload.
#include "dialogs/HistoryCombo.h"

class TagHistoryCombo : public HistoryCombo {
 public:
  TagHistoryCombo() = default;
  ~TagHistoryCombo() override = default;

 protected:
  void ClassifyKey(UINT key, bool& forward, bool& consume) override;
};
