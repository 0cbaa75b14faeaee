// Module-wide state. The objects with static lifetime are defined here, in one
// translation unit, so that they are built at library load in this order and
// destroyed at unload in the reverse order.
#include "module/ModuleState.h"
#include "extrafiles/ExtraFileList.h"
#include "module/DispatchWindow.h"

IdeApplication* g_ideApplication = nullptr;
HostWorkspace* g_workspace = nullptr;
HWND g_ideFrameWindow = nullptr;

ExtraFileList g_extraFiles = EmptyExtraFileList(10);

namespace {
// The extra-files list is a plain record shared with the host; this object,
// built right after it, empties it at unload (after everything built later).
struct ExtraFilesAtUnload {
  ~ExtraFilesAtUnload() { ClearExtraFiles(g_extraFiles); }
};
ExtraFilesAtUnload g_extraFilesAtUnload;
}  // namespace

DispatchWindow g_dispatchWindow;
CStringArray g_fileNameHistory;
CStringArray g_tagParentHistory;
CStringArray g_tagNameHistory;
