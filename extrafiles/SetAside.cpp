#include "extrafiles/SetAside.h"
#include "extrafiles/FilePresence.h"

namespace {

const int kLastSetAsideNumber = 999;

// How the platform refuses a name that is too long: a whole path past the
// limit, or one part of it longer than the file system takes (reported as an
// invalid name there). The names of the series only grow and only add
// characters valid anywhere, so after one of these every later name is
// refused the same way.
const DWORD kNameTooLong[] = {ERROR_FILENAME_EXCED_RANGE, ERROR_BUFFER_OVERFLOW, ERROR_INVALID_NAME};

bool IsNameTooLong(DWORD error) {
  for (DWORD tooLong : kNameTooLong)
    if (error == tooLong) return true;
  return false;
}

CString SetAsideName(const CString& path, int number) {
  if (number == 0) return path + ".old";
  CString name;
  name.Format("%s.old.%d", static_cast<const char*>(path), number);
  return name;
}

}  // namespace

void SetAsideBadFile(const CString& path) {
  for (int number = 0; number <= kLastSetAsideNumber; ++number) {
    const CString name = SetAsideName(path, number);
    // Names are judged as every other path of these files is. One that cannot
    // be examined for another reason (access refused, a link that cannot be
    // followed) may hide something: it is passed over, never moved onto.
    const FilePresence probe = ProbeFile(name);
    if (probe.presence == Presence::unusable && IsNameTooLong(probe.error)) return;
    if (probe.presence != Presence::absent) continue;
    // MoveFile never replaces: if the name was taken meanwhile, try the next one.
    if (MoveFileA(path, name)) return;
    if (ProbeFile(name).presence != Presence::present) return;
  }
}
