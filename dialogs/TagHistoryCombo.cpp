#include "dialogs/TagHistoryCombo.h"

void TagHistoryCombo::ClassifyKey(UINT key, bool& forward, bool& consume) {
  switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
      forward = true;
      consume = true;
      break;
    case VK_HOME:
    case VK_END: {
      bool ctrl = IsCtrlHeld();
      forward = ctrl;
      consume = ctrl;
      break;
    }
    case VK_LEFT:
    case VK_RIGHT:
      forward = false;
      consume = false;
      break;
    case VK_F5:
      ::SendMessageA(::GetParent(m_hWnd), F5_REQUEST, static_cast<WPARAM>(GetDlgCtrlID()), 0);
      forward = false;
      consume = true;
      break;
    default:
      forward = true;
      consume = false;
      break;
  }
}
