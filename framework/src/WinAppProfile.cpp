// The profile store of CWinApp: section/key values in the INI-style file set by
// SetProfilePath (format in ProfileFile.cpp). Every read loads the file afresh,
// so a value written by another process is seen at once; every write loads,
// changes and replaces the whole file under a lock shared by all processes
// that use the same file.
#include <windows.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>

#include "ProfileFile.h"
#include "fw/Exceptions.h"
#include "fw/WinApp.h"

namespace {

// Holds a named mutex derived from the file's full path for the length of one
// read-change-write, so two processes never lose each other's changes.
class ProfileLock {
 public:
  explicit ProfileLock(const std::string& path) {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    std::string name = (length > 0 && length < MAX_PATH) ? std::string(full, length) : path;
    unsigned hash = 2166136261u;   // FNV-1a over the upper-cased path
    for (char ch : name) {
      unsigned char byte = static_cast<unsigned char>(ch);
      if (byte >= 'a' && byte <= 'z') byte = static_cast<unsigned char>(byte - 'a' + 'A');
      if (byte == '/') byte = '\\';
      hash = (hash ^ byte) * 16777619u;
    }
    char mutexName[64];
    std::snprintf(mutexName, sizeof(mutexName), "fw.profile.%08x", hash);
    m_mutex = CreateMutexA(nullptr, FALSE, mutexName);
    if (m_mutex != nullptr) WaitForSingleObject(m_mutex, INFINITE);   // abandoned counts as held
  }
  ~ProfileLock() {
    if (m_mutex != nullptr) {
      ReleaseMutex(m_mutex);
      CloseHandle(m_mutex);
    }
  }
  ProfileLock(const ProfileLock&) = delete;
  ProfileLock& operator=(const ProfileLock&) = delete;

 private:
  HANDLE m_mutex;
};

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

CString CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue) {
  return Guarded([&]() -> CString {
    std::string value;
    fw::ProfileFile file;
    if (section == nullptr || entry == nullptr || m_strProfilePath.IsEmpty() ||
        !file.Load(static_cast<const char*>(m_strProfilePath)) || !file.Get(section, entry, value))
      return CString(defaultValue);
    return CString(value.data(), static_cast<int>(value.size()));
  });
}

bool CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) {
  if (section == nullptr || m_strProfilePath.IsEmpty()) return false;
  return Guarded([&]() -> bool {
    std::string path(static_cast<const char*>(m_strProfilePath));
    ProfileLock lock(path);
    fw::ProfileFile file;
    if (!file.Load(path)) return false;   // unreadable: never replace what we could not read
    bool changed;
    if (entry == nullptr)
      changed = file.RemoveSection(section);
    else if (value == nullptr)
      changed = file.RemoveKey(section, entry);
    else
      changed = file.Set(section, entry, value);
    return !changed || file.Save(path);
  });
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
