#include "dialogs/TagHistoryCombo.h"

void TagHistoryCombo::ClassifyKey(UINT key, bool& forward, bool& consume) {
  if ((key == VK_HOME || key == VK_END) && IsCtrlHeld()) {
    forward = true;
    consume = true;
    return;
  }
  if (key == VK_F5) {
    ::SendMessageA(::GetParent(m_hWnd), F5_REQUEST, static_cast<WPARAM>(GetDlgCtrlID()), 0);
    forward = false;
    consume = true;
    return;
  }
  HistoryCombo::ClassifyKey(key, forward, consume);
}
