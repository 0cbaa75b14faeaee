// The module's two exports (plain __cdecl functions, by ordinal 1 and 2 under
// their plain names, see ZorvoReg.def).
#include <new>
#include "fw/Exceptions.h"
#include "module/DispatchWindow.h"
#include "module/History.h"
#include "module/HostInterfaces.h"
#include "module/ModuleState.h"
#include "module/OperationTable.h"

namespace {

// The active window's chain of parents (owners, for pop-ups) up to the last
// window before null or the desktop. Without an active window the frame found
// by an earlier call stays.
void FindIdeFrameWindow(HWND desktop) {
  for (HWND w = GetActiveWindow(); w != nullptr && w != desktop; w = GetParent(w)) {
    g_ideFrameWindow = w;
  }
}

// A hidden child of the frame with control ID 0. With no frame (no active
// window ever seen, or the one seen is gone) the window is message-only, so that
// the same sent and posted messages reach it.
bool CreateDispatchWindow() {
  if (g_dispatchWindow.GetSafeHwnd()) g_dispatchWindow.DestroyWindow();   // left by an earlier call
  HWND parent = g_ideFrameWindow;
  if (parent == nullptr || !IsWindow(parent)) parent = HWND_MESSAGE;
  const RECT empty = {0, 0, 0, 0};
  return g_dispatchWindow.CreateEx(0, nullptr, "", WS_CHILD, empty, parent, 0);
}

}  // namespace

extern "C" OperationTable* ZorvoRegCreate(IdeApplication* ideApplication, HostWorkspace* workspace) {
  g_workspace = workspace;
  g_ideApplication = ideApplication;

  // Cleared, so slot 4 reads null and an unfilled table can be told apart.
  OperationTable* table = new (std::nothrow) OperationTable();
  if (table == nullptr) AfxThrowMemoryException();

  const HWND desktop = GetDesktopWindow();
  if (ideApplication != nullptr) {
    // Leaves the IDE's main window active, so that the frame walk finds it.
    ideApplication->SetActive(VARIANT_FALSE);
    ideApplication->SetActive(VARIANT_TRUE);
  }
  FindIdeFrameWindow(desktop);

  if (CreateDispatchWindow()) {
    g_dispatchWindow.SendMessage(DISPATCH_MSG, DISPATCH_FILL, reinterpret_cast<LPARAM>(table));
    g_dispatchWindow.PostMessage(DISPATCH_MSG, DISPATCH_CLOSE, reinterpret_cast<LPARAM>(table));
  }
  // No window, or the fill did not arrive: the table is never handed out unfilled.
  if (table->reserved0 == nullptr) FillOperationTable(*table);

  LoadHistory(g_fileNameHistory, "FilenameEditList");
  LoadHistory(g_tagParentHistory, "TagParentEditList");
  LoadHistory(g_tagNameHistory, "TagEditList");
  return table;
}

extern "C" void ZorvoRegDestroy(OperationTable* table) {
  SaveHistory(g_fileNameHistory, "FilenameEditList");
  SaveHistory(g_tagParentHistory, "TagParentEditList");
  SaveHistory(g_tagNameHistory, "TagEditList");
  delete table;
}
