#pragma once
// What a save takes over from the file it replaces, read before the new bytes
// are written: where the file really is (through a link), some of its flags,
// its creation time and its access list.
#include <windows.h>
#include <vector>
#include "fw/String.h"

class ReplacedFile {
 public:
  // Reads the file at path. False when it may not be written or replaced (its
  // access list refuses writing or deleting, another program holds it without
  // sharing) or when a link leads to a path too long for the ANSI file API.
  bool Inspect(const CString& path);

  // The file itself: path, or where a link at path leads, so that the link
  // stays and the file it names takes the new bytes.
  const CString& Path() const { return m_path; }

  // Gives the replacement, open with write, READ_CONTROL and WRITE_DAC
  // access, the old file's creation time, its hidden, system, not-indexed
  // and temporary flags (and the archive flag, as on any file just written)
  // and, where it differs, its access list. What the platform will not keep
  // is simply not kept: the bytes count.
  void HandOver(HANDLE replacement) const;

 private:
  CString m_path;
  FILE_BASIC_INFO m_basic = {};
  std::vector<unsigned char> m_accessList;   // empty when it cannot be read
};
