#include "host/workspace/WorkspaceFileCollection.h"
#include "host/workspace/WorkspaceCallLog.h"

WorkspaceFile* WorkspaceFileCollection::FindFile(CStringArg name) {
  const CString adopted = CString::Adopt(name);
  if (m_log) m_log->Add(WorkspaceCallKind::FindFile, adopted);
  return Lookup(adopted);
}

WorkspaceFile* WorkspaceFileCollection::Lookup(const char* name) const {
  for (const auto& file : m_files)
    if (file->name().CompareNoCase(name) == 0) return file.get();
  return nullptr;
}

WorkspaceFile* WorkspaceFileCollection::Add(const CString& name) {
  if (WorkspaceFile* existing = Lookup(name)) return existing;
  m_files.push_back(std::make_unique<WorkspaceFile>(name, m_log));
  return m_files.back().get();
}
