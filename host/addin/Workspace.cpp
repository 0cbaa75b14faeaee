#include "host/addin/Workspace.h"

WorkspaceFileCollection* Workspace::GetWorkspaceFiles() {
  m_calls.Called("workspace", 1, "GetWorkspaceFiles", "");
  return &files();
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
  // After the listed files, as when the listing came first.
  for (const CString& name : m_lastProjectFile.names) files().Add(name);
}

void Workspace::SetExtraFilesPath(const CString& path) {
  m_extraFilesPath = path;
  m_calls.SetProjectFilePath(path + ".vcproj");
}

void Workspace::Settle() {
  if (!m_pending) return;
  // Cleared first: settling adds files, through files().
  std::function<void()> settle = std::move(m_pending);
  m_pending = nullptr;
  settle();
}
