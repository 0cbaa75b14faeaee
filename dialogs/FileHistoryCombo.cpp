#include "dialogs/FileHistoryCombo.h"

void FileHistoryCombo::ClassifyKey(UINT key, bool& forward, bool& consume) {
  switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
      forward = true;
      consume = true;
      break;
    case VK_HOME:
    case VK_END:
      if (IsCtrlHeld()) {
        JumpTo(key == VK_END);
        forward = false;
        consume = true;
      } else {
        forward = false;
        consume = false;
      }
      break;
    case VK_LEFT:
    case VK_RIGHT:
      forward = false;
      consume = false;
      break;
    default:
      forward = true;
      consume = false;
      break;
  }
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
