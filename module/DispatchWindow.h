#pragma once
// The hidden window through which ZorvoRegCreate fills the operation table:
// created as a child of the IDE's frame window, it fills the table when sent
// DISPATCH_FILL and destroys itself when the posted DISPATCH_CLOSE arrives.
#include "fw/Wnd.h"

// Private message of the dispatch window; wParam is one of the codes below,
// lParam the address of the operation table.
#define DISPATCH_MSG (WM_APP + 1)
#define DISPATCH_CLOSE 0x1234   // posted: destroy the window (the object stays)
#define DISPATCH_FILL 0x1235    // sent: fill the table

class DispatchWindow : public CWnd {
 public:
  DispatchWindow() = default;
  ~DispatchWindow() override;   // destroys a window that still exists

 protected:
  LRESULT OnDispatch(WPARAM code, LPARAM tableAddress);
  DECLARE_MESSAGE_MAP()
};
