#include "ProfileCache.h"

#include "ProfileLock.h"

namespace fw {
namespace {

bool SameTime(const FILETIME& a, const FILETIME& b) {
  return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

bool operator==(const ProfileCache::Stamp& a, const ProfileCache::Stamp& b) {
  if (a.exists != b.exists) return false;
  return !a.exists || (a.size == b.size && SameTime(a.written, b.written) && SameTime(a.created, b.created));
}

// The file's stamp as the system tells it by name, without opening the file.
// A missing file has a stamp too; false only when the system cannot tell.
bool ReadStamp(const std::string& path, ProfileCache::Stamp& stamp) {
  stamp = ProfileCache::Stamp();
  WIN32_FILE_ATTRIBUTE_DATA info;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &info)) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  stamp.exists = true;
  stamp.created = info.ftCreationTime;
  stamp.written = info.ftLastWriteTime;
  stamp.size = (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  return true;
}

class Locked {
 public:
  explicit Locked(SRWLOCK& lock) : m_lock(lock) { AcquireSRWLockExclusive(&m_lock); }
  ~Locked() { ReleaseSRWLockExclusive(&m_lock); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SRWLOCK& m_lock;
};

}  // namespace

ProfileCache::ProfileCache(const std::string& path) : m_path(path), m_stamp(), m_valid(false) {
  InitializeSRWLock(&m_lock);
}

bool ProfileCache::Refresh() {
  Stamp now;
  if (!ReadStamp(m_path, now)) {
    m_valid = false;
    return false;
  }
  if (m_valid && now == m_stamp) return true;
  // The stamp is taken before the file is read: a file replaced in between
  // shows a newer stamp next time and is read again then.
  m_valid = m_file.Load(m_path);
  m_stamp = now;
  return m_valid;
}

bool ProfileCache::Get(const std::string& section, const std::string& key, CString& value) {
  Locked lock(m_lock);
  if (!Refresh()) return false;
  const CString* found = m_file.Find(section, key);
  if (found == nullptr) return false;
  value = *found;   // shares the characters: a read copies nothing
  return true;
}

bool ProfileCache::Write(const char* section, const char* key, const char* value) {
  ProfileLock shared(m_path);
  Locked lock(m_lock);
  if (!Refresh()) return false;   // never replace what could not be read
  bool changed;
  if (key == nullptr)
    changed = m_file.RemoveSection(section);
  else if (value == nullptr)
    changed = m_file.RemoveKey(section, key);
  else
    changed = m_file.Set(section, key, value);
  if (!changed) return true;
  if (!m_file.Save(m_path)) {
    m_valid = false;   // the memory holds a change the file does not: read it again
    return false;
  }
  // No other writer can run before the shared lock is let go: this is our file's stamp.
  m_valid = ReadStamp(m_path, m_stamp);
  return true;
}

}  // namespace fw
