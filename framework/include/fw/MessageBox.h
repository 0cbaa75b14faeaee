#pragma once
#include <windows.h>
#include "fw/Export.h"

// The standard message box, owned by the application's main window, modal;
// returns the button pressed. helpContext is kept for the caller's help system.
FW_API int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpContext = 0);
