// The profile store of CWinApp: section/key values in the INI-style file set by
// SetProfilePath (format in ProfileFile.cpp), answered from the file's content
// kept in memory (ProfileCache.h): the file is read again only when it changed
// on disk, so a value written by another process is still seen at once. Every
// write that changes something reads the file afresh, changes it and replaces
// the whole file, under a lock shared by all processes that use the same file.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>

#include "ProfileCache.h"
#include "fw/Exceptions.h"
#include "fw/WinApp.h"

namespace {

// Runs body, turning the standard library's allocation failure into the framework's.
template <typename Body>
auto Guarded(Body body) -> decltype(body()) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    AfxThrowMemoryException();
  } catch (const std::length_error&) {
    AfxThrowMemoryException();
  }
}

}  // namespace

void CWinApp::SetProfilePath(const char* path) {
  m_strProfilePath = path;
  delete m_profileCache;
  m_profileCache = nullptr;
  if (!m_strProfilePath.IsEmpty())
    m_profileCache = Guarded([&] { return new fw::ProfileCache(static_cast<const char*>(m_strProfilePath)); });
}

CString CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue) {
  return Guarded([&]() -> CString {
    CString value;
    if (section == nullptr || entry == nullptr || m_profileCache == nullptr ||
        !m_profileCache->Get(section, entry, value))
      return CString(defaultValue);
    return value;
  });
}

bool CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) {
  if (section == nullptr || m_profileCache == nullptr) return false;
  return Guarded([&] { return m_profileCache->Write(section, entry, value); });
}

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) {
  CString text = GetProfileString(section, entry, nullptr);
  const char* start = text;
  while (*start == ' ' || *start == '\t') ++start;
  char* end = nullptr;
  errno = 0;
  long long value = std::strtoll(start, &end, 10);
  if (end == start) return defaultValue;   // absent, or not a number
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int value) {
  char text[16];
  std::snprintf(text, sizeof(text), "%d", value);
  return WriteProfileString(section, entry, text);
}
