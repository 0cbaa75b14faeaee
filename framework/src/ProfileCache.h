#pragma once
// The profile store's file as this process last read or wrote it, kept in
// memory with the stamp (identity, times and size) the file had then. Reads
// are answered from memory while the file on disk keeps that stamp; a changed
// stamp (another process wrote, or the file was replaced) means one read and
// parse of the file. A write that changes something reads the file afresh
// and replaces it, under the lock that all processes share, and the memory
// follows.
#include <windows.h>
#include <string>

#include "ProfileFile.h"
#include "ProfileStamp.h"
#include "fw/String.h"

namespace fw {

class ProfileCache {
 public:
  explicit ProfileCache(const std::string& path);
  ProfileCache(const ProfileCache&) = delete;
  ProfileCache& operator=(const ProfileCache&) = delete;

  // The value of section/key; false when it is absent or the file cannot be read.
  bool Get(const std::string& section, const std::string& key, CString& value);
  // Sets section/key to value; a null value removes the key, a null key the
  // whole section. False when the file could not be read or replaced, which
  // then stays as it was.
  bool Write(const char* section, const char* key, const char* value);

 private:
  // Makes the memory match the file, reading it again when its stamp has
  // changed. False when the file cannot be read. The caller holds m_lock.
  bool Refresh();
  // Reads the file afresh. The caller holds m_lock.
  bool Read();

  const std::string m_path;
  SRWLOCK m_lock;
  ProfileFile m_file;
  ProfileStamp m_stamp;
  bool m_valid;   // m_file holds the content of the file that had m_stamp
};

}  // namespace fw
