#include "host/tools/xf/XfHost.h"
#include "fw/Wnd.h"

std::string TemporaryPath(const std::string& extension) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "zorvoreg-xf-" + std::to_string(GetCurrentProcessId()) + "." + extension;
}

XfHost::XfHost() : m_files(nullptr, &m_workspace) {}

XfHost::~XfHost() {
  m_loader.Destroy();
  m_loader.Unload();
  if (m_window.IsWindow()) m_window.DestroyWindow();
}

bool XfHost::Start(std::string& error) {
  RECT rect = {0, 0, 100, 100};
  // The module looks for the IDE's frame from the active window.
  m_window.CreateEx(0, nullptr, "zorvoreg-xf", WS_OVERLAPPED, rect, static_cast<HWND>(nullptr), 0);
  m_ide.SetMainWindow(m_window.GetSafeHwnd());
  if (!m_loader.Load()) {
    error = "cannot load ZorvoReg.mod beside the program";
    return false;
  }
  m_files.SetTable(m_loader.Create(m_ide.Application(), &m_workspace));
  AfxPumpPendingMessages();
  return true;
}
