#include "ProfileStamp.h"

namespace fw {
namespace {

bool SameTime(const FILETIME& a, const FILETIME& b) {
  return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

}  // namespace

bool operator==(const ProfileStamp& a, const ProfileStamp& b) {
  if (a.exists != b.exists) return false;
  return !a.exists || (a.volume == b.volume && a.indexHigh == b.indexHigh && a.indexLow == b.indexLow &&
                       a.size == b.size && SameTime(a.written, b.written) && SameTime(a.created, b.created));
}

bool StampOfFile(HANDLE file, ProfileStamp& stamp) {
  stamp = ProfileStamp();
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file, &info)) return false;
  stamp.exists = true;
  stamp.volume = info.dwVolumeSerialNumber;
  stamp.indexHigh = info.nFileIndexHigh;
  stamp.indexLow = info.nFileIndexLow;
  stamp.created = info.ftCreationTime;
  stamp.written = info.ftLastWriteTime;
  stamp.size = (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  return true;
}

bool StampOfPath(const std::string& path, ProfileStamp& stamp) {
  stamp = ProfileStamp();
  HANDLE file = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  const bool known = StampOfFile(file, stamp);
  CloseHandle(file);
  return known;
}

}  // namespace fw
