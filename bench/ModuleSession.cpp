#include "bench/ModuleSession.h"

#include "fw/Wnd.h"
#include "host/ide/ReferenceIde.h"
#include "host/addin/Workspace.h"

namespace bench {

struct ModuleSession::Objects {
  ReferenceIde ide;
  Workspace workspace;
  CWnd frame;   // the IDE's main window, which the module parents its window to
};

ModuleSession::ModuleSession() : m_objects(new Objects) {
  RECT rect = {20, 20, 420, 320};
  m_objects->frame.CreateEx(0, nullptr, "IDE", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect, static_cast<HWND>(nullptr), 0);
  m_objects->ide.SetMainWindow(m_objects->frame.GetSafeHwnd());
  SetForegroundWindow(m_objects->frame.GetSafeHwnd());
  SetActiveWindow(m_objects->frame.GetSafeHwnd());
  AfxPumpPendingMessages();
}

ModuleSession::~ModuleSession() {
  m_loader.Destroy();
  AfxPumpPendingMessages();
  m_loader.Unload();
  delete m_objects;
}

bool ModuleSession::Load() { return m_loader.Load(); }

ModuleTable* ModuleSession::Create() { return m_loader.Create(m_objects->ide.Application(), &m_objects->workspace); }

void ModuleSession::RunHostLoop() { AfxPumpPendingMessages(); }

void ModuleSession::Destroy() { m_loader.Destroy(); }

ReferenceIde& ModuleSession::Ide() { return m_objects->ide; }

void ModuleSession::SetExtraFilesPath(const CString& path) { m_objects->workspace.SetExtraFilesPath(path); }

}  // namespace bench
