#pragma once
// A record of the calls the module makes on the host workspace and its file
// objects, in order, with the state of the temporary project file at the
// moment of each call (the extra-files path followed by ".vcproj").
#include <vector>
#include "fw/String.h"

enum class WorkspaceCallKind {
  GetWorkspaceFiles,
  GetExtraFilesPath,
  LoadProjectFile,
  FindFile,
  GetFirstFlag,
  SetFirstFlag,
  SetSecondFlag
};

struct WorkspaceCall {
  WorkspaceCallKind kind = WorkspaceCallKind::GetWorkspaceFiles;
  int sequence = 0;                  // 0, 1, 2 ... in call order
  CString argument;              // path or name passed; for flag calls the file's name
  bool value = false;            // flag passed or returned
  bool projectFileExisted = false;
  long long projectFileMtime = 0;   // seconds since 1970 UTC; 0 when missing
  CString projectFileText;       // LoadProjectFile: the file's bytes as read
};

class WorkspaceCallLog {
 public:
  // The project file whose state each call records.
  void SetProjectFilePath(const CString& path) { m_projectFilePath = path; }
  WorkspaceCall& Add(WorkspaceCallKind kind, const CString& argument, bool value = false);
  const std::vector<WorkspaceCall>& calls() const { return m_calls; }
  void Clear() { m_calls.clear(); }

 private:
  CString m_projectFilePath;
  std::vector<WorkspaceCall> m_calls;
};

// Last-modification time of a file in seconds since 1970 UTC; false when it does not exist.
bool FileModificationTime(const char* path, long long& seconds);
