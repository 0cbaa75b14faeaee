#pragma once
// What a profile file looked like when it was read or written: whether it
// existed, which file it was, its times and its size. Every save replaces the
// file by a new one, and a new file has a new file index (the number its
// volume knows it by) even when its size and its times, which the system
// keeps only to a clock tick, match the old one's.
#include <windows.h>
#include <string>

namespace fw {

struct ProfileStamp {
  bool exists;
  unsigned long long index;   // 0 where the file system does not tell it
  long long created;
  long long written;
  unsigned long long size;
};

bool operator==(const ProfileStamp& a, const ProfileStamp& b);

// The stamp of an open file (the handle needs FILE_READ_ATTRIBUTES); false
// when the system cannot tell.
bool StampOfFile(HANDLE file, ProfileStamp& stamp);

// The stamp of the file at path. The file is opened for its attributes only,
// which no other opener's sharing mode keeps out. A missing file has a stamp
// too (it does not exist); false when the system cannot tell, for instance
// when path names a folder.
bool StampOfPath(const std::string& path, ProfileStamp& stamp);

}  // namespace fw
