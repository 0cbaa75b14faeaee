#pragma once
// A lock shared by every process that writes the same profile file.
#include <windows.h>
#include <string>

namespace fw {

// Holds a named mutex derived from the file's full path for the length of one
// read-change-write, so two processes never lose each other's changes.
class ProfileLock {
 public:
  explicit ProfileLock(const std::string& path);
  ~ProfileLock();
  ProfileLock(const ProfileLock&) = delete;
  ProfileLock& operator=(const ProfileLock&) = delete;

 private:
  HANDLE m_mutex;
};

}  // namespace fw
