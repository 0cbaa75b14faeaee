#include "extrafiles/SetAside.h"
#include "extrafiles/FilePresence.h"

namespace {

const int kLastSetAsideNumber = 999;

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
    // Names are judged as every other path of these files is; a name the
    // platform cannot use now makes every longer one of the series unusable too.
    const Presence presence = ProbeFile(name).presence;
    if (presence == Presence::unusable) return;
    if (presence == Presence::present) continue;
    // MoveFile never replaces: if the name was taken meanwhile, try the next one.
    if (MoveFileA(path, name)) return;
    if (ProbeFile(name).presence != Presence::present) return;
  }
}
