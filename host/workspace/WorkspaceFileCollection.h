#pragma once
// The workspace's files, looked up by name (letter case ignored, as Windows
// file names are). The module reaches FindFile at position 2.
#include <memory>
#include <vector>
#include "host/workspace/WorkspaceFile.h"

class WorkspaceFileCollection final {
 public:
  explicit WorkspaceFileCollection(WorkspaceCallLog* log) : m_log(log) {}

  virtual void Reserved0() {}
  virtual void Reserved1() {}
  // 2: adopts the caller's reference on name; null when no file has that name.
  virtual WorkspaceFile* FindFile(CStringArg name);

  // The file of that name, added (both flags clear) when it is not there yet.
  WorkspaceFile* Add(const CString& name);
  WorkspaceFile* Lookup(const char* name) const;
  int size() const { return static_cast<int>(m_files.size()); }
  WorkspaceFile* at(int index) const { return m_files[index].get(); }
  void Clear() { m_files.clear(); }

 private:
  WorkspaceCallLog* m_log;
  std::vector<std::unique_ptr<WorkspaceFile>> m_files;
};
