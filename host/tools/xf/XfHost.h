#pragma once
// The smallest host of the module for extra-files work: a reference IDE with
// a hidden main window, a workspace whose extra-files path is the file being
// worked on, and the module loaded and created as the add-in does it.
#include <string>
#include "fw/Wnd.h"
#include "host/app/ExtraFilesController.h"
#include "host/ide/ReferenceIde.h"
#include "host/addin/ModuleLoader.h"
#include "host/addin/Workspace.h"

class XfHost {
 public:
  XfHost();
  ~XfHost();
  bool Start(std::string& error);
  void SetPath(const std::string& path) { m_workspace.SetExtraFilesPath(CString(path.c_str())); }
  ExtraFilesController& files() { return m_files; }

 private:
  ReferenceIde m_ide;
  Workspace m_workspace;
  CWnd m_window;
  ModuleLoader m_loader;
  ExtraFilesController m_files;
};

// A file name of this process's own in the temporary folder:
// zorvoreg-xf-PID.EXTENSION.
std::string TemporaryPath(const std::string& extension);

// The commands; each returns the process exit code.
int XfDump(XfHost& host, const std::string& file);
int XfCheck(XfHost& host, const std::string& file);
int XfWrite(XfHost& host, const std::string& file);
