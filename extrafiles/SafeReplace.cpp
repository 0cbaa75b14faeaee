#include "extrafiles/SafeReplace.h"
#include <io.h>
#include "extrafiles/FilePresence.h"
#include "extrafiles/ReplacedFile.h"
#include "fw/File.h"

namespace {

// The folder part of path, separator (or drive colon) included; "" for a bare name.
CString FolderPart(const CString& path) {
  int end = path.ReverseFind('\\');
  const int forward = path.ReverseFind('/');
  if (forward > end) end = forward;
  if (end < 0 && path.GetLength() >= 2 && path[1] == ':') end = 1;
  return path.Left(end + 1);
}

// Creates a new empty file beside path, open for writing (and for setting its
// access list) and for no one else,
// and returns its handle (INVALID_HANDLE_VALUE when none can be made) with its
// name in name. The usual name is "zxfNNNN.tmp" (four hex digits). Where that
// would make the temporary's path longer than both path and MAX_PATH - 1, the
// name is cut to the room there is ("~" and up to four hex digits, or a single
// hex digit): a target the platform accepts then has a temporary it accepts too.
HANDLE CreateTemporaryBeside(const CString& path, CString& name) {
  const CString folder = FolderPart(path);
  const int longest = path.GetLength() > MAX_PATH - 1 ? path.GetLength() : MAX_PATH - 1;
  const int room = longest - folder.GetLength();
  if (room < 1) return INVALID_HANDLE_VALUE;
  int digits = 4;
  const char* pattern = "%szxf%0*X.tmp";
  if (room < 11) {
    digits = room > 4 ? 4 : (room > 1 ? room - 1 : 1);
    pattern = room > 1 ? "%s~%0*X" : "%s%0*X";
  }
  const unsigned names = 1u << (4 * digits);
  const unsigned first = GetTickCount() % names;
  for (unsigned i = 0; i < names; ++i) {
    name.Format(pattern, static_cast<const char*>(folder), digits, (first + i) % names);
    // The handle that claims the name is the one the bytes go through: no
    // moment where the name is free again for another program to take.
    HANDLE file = CreateFileA(name, GENERIC_WRITE | READ_CONTROL | WRITE_DAC, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    // A name in use (by a file, or by a folder, which answers "access denied")
    // means try the next; any other refusal holds for every name in this folder.
    const DWORD error = GetLastError();
    const bool taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
                       error == ERROR_SHARING_VIOLATION ||
                       (error == ERROR_ACCESS_DENIED && ProbeFile(name).presence == Presence::present);
    if (!taken) return INVALID_HANDLE_VALUE;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

bool ReplaceFileSafely(const CString& path, const unsigned char* bytes, unsigned length) {
  // The target is judged as a load judges it: a path a load could not read
  // is not written, and a read-only file or a folder is not replaced.
  const FilePresence target = ProbeFile(path);
  if (target.presence == Presence::unusable) return false;
  const bool replacing = target.presence == Presence::present;
  if (replacing && (target.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) return false;
  // Nor is a file whose access list refuses writing or deleting it; through a
  // link, the file the link leads to is the one replaced.
  ReplacedFile old;
  if (replacing && !old.Inspect(path)) return false;
  const CString destination = replacing ? old.Path() : path;

  CString temporary;
  CFile file(CreateTemporaryBeside(destination, temporary), temporary);
  if (!file.IsOpen()) return false;
  try {
    file.Write(bytes, length);
    if (replacing) old.HandOver(file.m_hFile);
    // The bytes reach the disk before the new name does: a power loss after
    // the move must not leave an empty or partial file under the old name.
    file.Flush();
    file.Close();
  } catch (CException*) {
    file.Abort();
    _unlink(temporary);
    throw;
  }
  // Refused when the target is held open without sharing (among others); the
  // move itself reaches the disk before it reports success.
  if (MoveFileExA(temporary, destination, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  _unlink(temporary);
  return false;
}
