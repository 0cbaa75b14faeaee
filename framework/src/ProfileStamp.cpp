// The stamp is taken with three small queries of the open file. The file
// index alone comes from ntdll: the Win32 call that returns it, with the
// volume's serial number (GetFileInformationByHandle), costs 0.43 ms under
// Wine against 0.002 ms. The serial adds nothing here: one path keeps its
// file on one volume, where the index tells files apart.
#include "ProfileStamp.h"

#include <winternl.h>

namespace fw {

bool operator==(const ProfileStamp& a, const ProfileStamp& b) {
  if (a.exists != b.exists) return false;
  return !a.exists || (a.index == b.index && a.size == b.size && a.written == b.written && a.created == b.created);
}

bool StampOfFile(HANDLE file, ProfileStamp& stamp) {
  stamp = ProfileStamp();
  FILE_BASIC_INFO basic;
  FILE_STANDARD_INFO standard;
  if (!GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) ||
      !GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard))
    return false;
  // A file system without file indexes leaves the index 0: times and size remain.
  IO_STATUS_BLOCK status;
  LARGE_INTEGER index;
  if (NtQueryInformationFile(file, &status, &index, sizeof index, FileInternalInformation) < 0) index.QuadPart = 0;
  stamp.exists = true;
  stamp.index = static_cast<unsigned long long>(index.QuadPart);
  stamp.created = basic.CreationTime.QuadPart;
  stamp.written = basic.LastWriteTime.QuadPart;
  stamp.size = static_cast<unsigned long long>(standard.EndOfFile.QuadPart);
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
