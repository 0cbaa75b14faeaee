#include "ProfileLock.h"

#include <cstdio>

namespace fw {

ProfileLock::ProfileLock(const std::string& path) {
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

ProfileLock::~ProfileLock() {
  if (m_mutex != nullptr) {
    ReleaseMutex(m_mutex);
    CloseHandle(m_mutex);
  }
}

}  // namespace fw
