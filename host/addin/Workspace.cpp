#include "host/addin/Workspace.h"

WorkspaceFileCollection* Workspace::GetWorkspaceFiles() {
  m_calls.Called("workspace", 1, "GetWorkspaceFiles", "");
  return &m_files;
}

const CString& Workspace::GetExtraFilesPath() {
  m_calls.Called("workspace", 6, "GetExtraFilesPath", "");
  return m_extraFilesPath;
}

void Workspace::LoadProjectFile(CStringArg path) {
  const CString adopted = CString::Adopt(path);
  m_calls.Called("workspace", 11, "LoadProjectFile", QuotedText(adopted));
  m_lastProjectFile = ProjectFileContent();
  if (!ReadProjectFile(adopted, m_lastProjectFile)) return;
  for (const CString& name : m_lastProjectFile.names) m_files.Add(name);
}

void Workspace::SetExtraFilesPath(const CString& path) {
  m_extraFilesPath = path;
  m_calls.SetProjectFilePath(path + ".vcproj");
}
