#pragma once
// The workspace's files, looked up by name (letter case ignored, as Windows
// file names are) through a hash of the names in lower case, so that a scan
// of a tree of 20k files does not compare each name with all before it. The
// module reaches FindFile at position 2.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>
#include "host/addin/WorkspaceFile.h"

class WorkspaceFileCollection final {
 public:
  explicit WorkspaceFileCollection(WorkspaceCalls* calls) : m_calls(calls) {}

  virtual void Reserved0() {}
  virtual void Reserved1() {}
  // 2: adopts the caller's reference on name; null when no file has that name.
  virtual WorkspaceFile* FindFile(CStringArg name);

  // The file of that name, added (both flags clear) when it is not there yet.
  WorkspaceFile* Add(const CString& name);
  WorkspaceFile* Lookup(const char* name) const;
  int size() const { return static_cast<int>(m_files.size()); }
  WorkspaceFile* at(int index) const { return m_files[index].get(); }
  void Clear() {
    m_files.clear();
    m_byName.clear();
  }
  // The name as the lookup compares it: ASCII letters in lower case, as the
  // runtime's case-blind comparison (_stricmp) folds them.
  static std::string FoldedName(const char* name);

 private:
  WorkspaceCalls* m_calls;
  std::vector<std::unique_ptr<WorkspaceFile>> m_files;
  std::unordered_map<std::string, WorkspaceFile*> m_byName;   // FoldedName to file
};
