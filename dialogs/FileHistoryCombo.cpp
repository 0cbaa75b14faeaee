#include "dialogs/FileHistoryCombo.h"

void FileHistoryCombo::ClassifyKey(UINT key, bool& forward, bool& consume) {
  if ((key == VK_HOME || key == VK_END) && IsCtrlHeld()) {
    JumpTo(key == VK_END);
    forward = false;
    consume = true;
    return;
  }
  HistoryCombo::ClassifyKey(key, forward, consume);
}

// Moves the selection to the first or last item: the first selected item loses
// its selected and focused states, the target gets both and is scrolled fully
// into view. An empty list is left alone.
void FileHistoryCombo::JumpTo(bool last) {
  if (!listControl || !listControl->IsWindow()) return;
  const UINT kSelectedFocused = LVIS_SELECTED | LVIS_FOCUSED;
  int selected = listControl->GetNextItem(-1, LVNI_SELECTED);
  if (selected >= 0) listControl->SetItemState(selected, 0, kSelectedFocused);
  int count = listControl->GetItemCount();
  if (count <= 0) return;
  int target = last ? count - 1 : 0;
  listControl->SetItemState(target, kSelectedFocused, kSelectedFocused);
  listControl->EnsureVisible(target, false);
}
