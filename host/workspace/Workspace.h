#pragma once
// The host add-in's workspace as the module receives it (second argument of
// ZorvoRegCreate): positions 1 (GetWorkspaceFiles), 6 (GetExtraFilesPath)
// and 11 (LoadProjectFile) of its table of __stdcall operations. Every call
// is recorded in the log.
#include "host/workspace/ProjectFile.h"
#include "host/workspace/WorkspaceCallLog.h"
#include "host/workspace/WorkspaceFileCollection.h"

class Workspace final {
 public:
  Workspace() : m_files(&m_log) {}

  virtual void HOST_WORKSPACE_CALL Reserved0() {}
  virtual WorkspaceFileCollection* HOST_WORKSPACE_CALL GetWorkspaceFiles();   // 1
  virtual void HOST_WORKSPACE_CALL Reserved2() {}
  virtual void HOST_WORKSPACE_CALL Reserved3() {}
  virtual void HOST_WORKSPACE_CALL Reserved4() {}
  virtual void HOST_WORKSPACE_CALL Reserved5() {}
  virtual const CString& HOST_WORKSPACE_CALL GetExtraFilesPath();            // 6
  virtual void HOST_WORKSPACE_CALL Reserved7() {}
  virtual void HOST_WORKSPACE_CALL Reserved8() {}
  virtual void HOST_WORKSPACE_CALL Reserved9() {}
  virtual void HOST_WORKSPACE_CALL Reserved10() {}
  // 11: adopts the path, reads the project file and adds its names to the workspace.
  virtual void HOST_WORKSPACE_CALL LoadProjectFile(CStringArg path);

  // The extra-files path; the log then watches that path + ".vcproj".
  void SetExtraFilesPath(const CString& path);
  WorkspaceFileCollection& files() { return m_files; }
  WorkspaceCallLog& log() { return m_log; }
  // What the last LoadProjectFile read.
  const ProjectFileContent& lastProjectFile() const { return m_lastProjectFile; }

 private:
  CString m_extraFilesPath;
  WorkspaceCallLog m_log;
  WorkspaceFileCollection m_files;
  ProjectFileContent m_lastProjectFile;
};
