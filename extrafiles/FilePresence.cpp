#include "extrafiles/FilePresence.h"

FilePresence ProbeFile(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES) return {Presence::present, attributes, 0};
  // Only these two errors say that nothing is there; any other (a name too
  // long or not valid, a device not ready, access denied) says nothing of
  // the file, and must not be taken for "no file".
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {Presence::absent, 0, 0};
  return {Presence::unusable, 0, error};
}
