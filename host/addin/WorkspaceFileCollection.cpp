#include "host/addin/WorkspaceFileCollection.h"
#include "host/addin/WorkspaceCalls.h"
#include <cstdint>

WorkspaceFile* WorkspaceFileCollection::FindFile(CStringArg name) {
  const CString adopted = CString::Adopt(name);
  if (m_calls) m_calls->Called("files", 2, "FindFile", QuotedText(adopted));
  return Lookup(adopted);
}

namespace {

char Folded(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

}  // namespace

std::string WorkspaceFileCollection::FoldedName(const char* name) {
  std::string folded = name ? name : "";
  for (char& ch : folded) ch = Folded(ch);
  return folded;
}

size_t WorkspaceFileCollection::FoldedHash::operator()(std::string_view name) const {
  uint64_t hash = 14695981039346656037ull;   // FNV-1a over the folded bytes
  for (char ch : name) hash = (hash ^ static_cast<unsigned char>(Folded(ch))) * 1099511628211ull;
  return static_cast<size_t>(hash);
}

bool WorkspaceFileCollection::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Folded(a[i]) != Folded(b[i])) return false;
  }
  return true;
}

WorkspaceFile* WorkspaceFileCollection::Lookup(const char* name) const {
  auto found = m_byName.find(std::string_view(name ? name : ""));
  return found == m_byName.end() ? nullptr : found->second;
}

WorkspaceFile* WorkspaceFileCollection::Add(const CString& name) {
  auto found = m_byName.find(std::string_view(name, static_cast<size_t>(name.GetLength())));
  if (found != m_byName.end()) return found->second;
  m_files.push_back(std::make_unique<WorkspaceFile>(name, m_calls));
  const CString& kept = m_files.back()->name();
  m_byName.emplace(std::string_view(kept, static_cast<size_t>(kept.GetLength())), m_files.back().get());
  return m_files.back().get();
}
