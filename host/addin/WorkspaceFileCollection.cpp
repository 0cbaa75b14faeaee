#include "host/addin/WorkspaceFileCollection.h"
#include "host/addin/WorkspaceCalls.h"

WorkspaceFile* WorkspaceFileCollection::FindFile(CStringArg name) {
  const CString adopted = CString::Adopt(name);
  if (m_calls) m_calls->Called("files", 2, "FindFile", QuotedText(adopted));
  return Lookup(adopted);
}

std::string WorkspaceFileCollection::FoldedName(const char* name) {
  std::string folded = name ? name : "";
  for (char& ch : folded) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return folded;
}

WorkspaceFile* WorkspaceFileCollection::Lookup(const char* name) const {
  auto found = m_byName.find(FoldedName(name));
  return found == m_byName.end() ? nullptr : found->second;
}

WorkspaceFile* WorkspaceFileCollection::Add(const CString& name) {
  std::string folded = FoldedName(name);
  auto found = m_byName.find(folded);
  if (found != m_byName.end()) return found->second;
  m_files.push_back(std::make_unique<WorkspaceFile>(name, m_calls));
  m_byName.emplace(std::move(folded), m_files.back().get());
  return m_files.back().get();
}
