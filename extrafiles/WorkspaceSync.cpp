#include "extrafiles/WorkspaceSync.h"
#include <io.h>
#include "module/HostInterfaces.h"
#include "module/ModuleState.h"

namespace {

// The project file: "<Files>", one line per entry marked for the workspace
// with its name exactly as stored, "</Files>"; CR LF line ends. False when
// the file cannot be created.
bool WriteProjectFile(const ExtraFileList& list, const CString& projectPath) {
  CStdioFile project;
  if (!project.Open(projectPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText)) return false;
  project.WriteString("<Files>\n");
  for (const ExtraFileNode* node = list.head; node; node = node->next) {
    if (!node->record.addToWorkspace) continue;
    project.WriteString("\t<File RelativePath=\"");
    // Raw bytes: the name goes out byte for byte, unescaped and untranslated.
    project.Write(static_cast<const char*>(node->record.name), node->record.name.GetLength());
    project.WriteString("\"/>\n");
  }
  project.WriteString("</Files>\n");
  project.Close();
  return true;
}

// Dates the project file like the extra-files file and has the host load it.
void HandProjectFileToHost(const CString& projectPath, const CFile& extraFile) {
  CFileStatus extraStatus;
  extraFile.GetStatus(extraStatus);
  CFileStatus projectStatus;
  if (!CFile::GetStatus(projectPath, projectStatus)) return;
  projectStatus.m_mtime = extraStatus.m_mtime;
  CFile::SetStatus(projectPath, projectStatus);
  g_workspace->LoadProjectFile(projectPath.PassByValue());
}

void ApplyFlags(const ExtraFileList& list) {
  HostWorkspaceFiles* files = g_workspace->GetWorkspaceFiles();
  for (const ExtraFileNode* node = list.head; node; node = node->next) {
    HostWorkspaceFile* file = files->FindFile(node->record.name.PassByValue());
    if (!file) continue;
    const bool addToWorkspace = node->record.addToWorkspace;
    if (file->GetFirstFlag() != addToWorkspace) file->SetFirstFlag(addToWorkspace);
    file->SetSecondFlag(node->record.secondFlag);
  }
}

}  // namespace

void SynchroniseWorkspace(const ExtraFileList& list, const CString& path, const CFile& extraFile) {
  const CString projectPath = path + ".vcproj";
  // The project file lives only while this runs: it is removed on every way
  // out, including an exception while writing, dating or loading it.
  try {
    if (!WriteProjectFile(list, projectPath)) return;
    HandProjectFileToHost(projectPath, extraFile);
  } catch (...) {
    _unlink(projectPath);
    throw;
  }
  _unlink(projectPath);
  ApplyFlags(list);
}
