#include "module/DispatchWindow.h"
#include "module/OperationTable.h"

BEGIN_MESSAGE_MAP(DispatchWindow, CWnd)
  ON_MESSAGE(DISPATCH_MSG, OnDispatch)
END_MESSAGE_MAP()

DispatchWindow::~DispatchWindow() {
  // Unloaded before the host's loop delivered DISPATCH_CLOSE: the window must
  // not outlive the object its messages are routed to.
  if (GetSafeHwnd()) DestroyWindow();
}

LRESULT DispatchWindow::OnDispatch(WPARAM code, LPARAM tableAddress) {
  if (code == DISPATCH_FILL) {
    FillOperationTable(*reinterpret_cast<OperationTable*>(tableAddress));
  } else if (code == DISPATCH_CLOSE) {
    DestroyWindow();
  }
  // The default processing's result, which nobody reads; a window that has just
  // destroyed itself has no default processing left.
  if (!GetSafeHwnd()) return 0;
  return DefWindowProc(DISPATCH_MSG, code, tableAddress);
}
