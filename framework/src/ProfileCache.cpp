#include "ProfileCache.h"

#include "ProfileLock.h"

namespace fw {
namespace {

class Locked {
 public:
  explicit Locked(SRWLOCK& lock) : m_lock(lock) { AcquireSRWLockExclusive(&m_lock); }
  ~Locked() { ReleaseSRWLockExclusive(&m_lock); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  SRWLOCK& m_lock;
};

// Applies one write to the content; false when it changes nothing.
bool Change(ProfileFile& file, const char* section, const char* key, const char* value) {
  if (key == nullptr) return file.RemoveSection(section);
  if (value == nullptr) return file.RemoveKey(section, key);
  return file.Set(section, key, value);
}

}  // namespace

ProfileCache::ProfileCache(const std::string& path) : m_path(path), m_stamp(), m_valid(false) {
  InitializeSRWLock(&m_lock);
}

bool ProfileCache::Read() {
  m_valid = m_file.Load(m_path, m_stamp);
  return m_valid;
}

bool ProfileCache::Refresh() {
  ProfileStamp now;
  if (!StampOfPath(m_path, now)) {
    m_valid = false;
    return false;
  }
  if (m_valid && now == m_stamp) return true;
  return Read();
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
  ProfileStamp now;
  if (!StampOfPath(m_path, now)) {
    m_valid = false;
    return false;
  }
  if (m_valid && now == m_stamp) {
    // A write that changes nothing writes no file.
    if (!Change(m_file, section, key, value)) return true;
    // One that does replaces the whole file, so it starts from what the file
    // holds now, read under the shared lock, and not from memory: a stamp
    // cannot tell every change (the system reuses a replaced file's index at
    // once, so two replaces within one clock tick can bring the stamp back;
    // a rewrite in place keeps the identity), and a replace built on a stale
    // copy would drop what the other writer wrote.
  }
  if (!Read()) return false;   // never replace what could not be read
  if (!Change(m_file, section, key, value)) return true;
  if (!m_file.Save(m_path, m_stamp)) {
    m_valid = false;   // the memory holds a change the file does not: read it again
    return false;
  }
  m_valid = true;
  return true;
}

}  // namespace fw
