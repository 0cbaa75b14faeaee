// The test program's application object; each profile test points it at a
// file of its own.
#include "TestSupport.h"

CWinApp theApp("framework_tests");
