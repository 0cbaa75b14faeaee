// The application object every framework program has (AfxGetApp); its name is
// the caption of the message boxes the tests read back.
#include "fw/WinApp.h"

CWinApp theApp("FwWindowsTests");
