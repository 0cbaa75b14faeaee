#include "host/addin/Workspace.h"

WorkspaceFileCollection* Workspace::GetWorkspaceFiles() {
  m_log.Add(WorkspaceCallKind::GetWorkspaceFiles, CString());
  return &m_files;
}

const CString& Workspace::GetExtraFilesPath() {
  m_log.Add(WorkspaceCallKind::GetExtraFilesPath, m_extraFilesPath);
  return m_extraFilesPath;
}

void Workspace::LoadProjectFile(CStringArg path) {
  const CString adopted = CString::Adopt(path);
  WorkspaceCall& call = m_log.Add(WorkspaceCallKind::LoadProjectFile, adopted);
  m_lastProjectFile = ProjectFileContent();
  if (!ReadProjectFile(adopted, m_lastProjectFile)) return;
  call.projectFileText = m_lastProjectFile.text;
  for (const CString& name : m_lastProjectFile.names) m_files.Add(name);
}

void Workspace::SetExtraFilesPath(const CString& path) {
  m_extraFilesPath = path;
  m_log.SetProjectFilePath(path + ".vcproj");
}
