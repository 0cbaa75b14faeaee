#pragma once
// The host add-in's workspace as the module receives it (second argument of
// ZorvoRegCreate): positions 1 (GetWorkspaceFiles), 6 (GetExtraFilesPath)
// and 11 (LoadProjectFile) of its table of virtual member functions. Every call
// it and its files receive goes to calls().
//
// Its files may still be coming when the module is created (the host lists a
// big workspace while the window is already in use): the first use of them,
// the module's or the host's, waits for them, so that no one sees part of
// them.
#include <functional>
#include "host/addin/ProjectFile.h"
#include "host/addin/WorkspaceCalls.h"
#include "host/addin/WorkspaceFileCollection.h"

class Workspace final {
 public:
  Workspace() : m_files(&m_calls) {}

  virtual void Reserved0() {}
  virtual WorkspaceFileCollection* GetWorkspaceFiles();   // 1
  virtual void Reserved2() {}
  virtual void Reserved3() {}
  virtual void Reserved4() {}
  virtual void Reserved5() {}
  virtual const CString& GetExtraFilesPath();             // 6
  virtual void Reserved7() {}
  virtual void Reserved8() {}
  virtual void Reserved9() {}
  virtual void Reserved10() {}
  // 11: adopts the path, reads the project file and adds its names to the workspace.
  virtual void LoadProjectFile(CStringArg path);

  // The extra-files path; the calls then report the state of that path + ".vcproj".
  void SetExtraFilesPath(const CString& path);
  WorkspaceFileCollection& files() {
    Settle();
    return m_files;
  }
  // Files still being listed: settle adds them, on the first use of the files.
  void SetPendingFiles(std::function<void()> settle) { m_pending = std::move(settle); }
  // The pending files added now (once; nothing when none are pending).
  void Settle();
  WorkspaceCalls& calls() { return m_calls; }
  // What the last LoadProjectFile read.
  const ProjectFileContent& lastProjectFile() const { return m_lastProjectFile; }

 private:
  CString m_extraFilesPath;
  WorkspaceCalls m_calls;
  WorkspaceFileCollection m_files;
  ProjectFileContent m_lastProjectFile;
  std::function<void()> m_pending;
};
