#pragma once
// The workspace's files, looked up by name (letter case ignored, as Windows
// file names are) through a hash of the names in lower case, so that a scan
// of a tree of 20k files does not compare each name with all before it; the
// hash holds the files' own names, no copy of them (a big tree has 50,000).
// The module reaches FindFile at position 2.
#include <memory>
#include <string>
#include <string_view>
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
  // Names hashed and compared as FoldedName has them.
  struct FoldedHash {
    size_t operator()(std::string_view name) const;
  };
  struct FoldedEqual {
    bool operator()(std::string_view a, std::string_view b) const;
  };

  WorkspaceCalls* m_calls;
  std::vector<std::unique_ptr<WorkspaceFile>> m_files;
  // Each file's own name (its characters stay where they are) to the file.
  std::unordered_map<std::string_view, WorkspaceFile*, FoldedHash, FoldedEqual> m_byName;
};
