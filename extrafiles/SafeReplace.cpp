#include "extrafiles/SafeReplace.h"
#include <io.h>
#include "extrafiles/FilePresence.h"
#include "fw/File.h"

namespace {

// What a replacing file takes over from the file it replaces. Read-only
// files are never replaced; the archive flag is set, as on any file just
// written, so that backups see the change.
const DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_TEMPORARY;

// The folder part of path, separator (or drive colon) included; "" for a bare name.
CString FolderPart(const CString& path) {
  int end = path.ReverseFind('\\');
  const int forward = path.ReverseFind('/');
  if (forward > end) end = forward;
  if (end < 0 && path.GetLength() >= 2 && path[1] == ':') end = 1;
  return path.Left(end + 1);
}

// Creates a new empty file beside path and returns its name ("" when none
// can be made). The usual name is "zxfNNNN.tmp" (four hex digits). Where
// that would make the temporary's path longer than both path and MAX_PATH - 1,
// the name is cut to the room there is ("~" and up to four hex digits, or a
// single hex digit): a target the platform accepts then has a temporary it
// accepts too.
CString CreateTemporaryBeside(const CString& path) {
  const CString folder = FolderPart(path);
  const int longest = path.GetLength() > MAX_PATH - 1 ? path.GetLength() : MAX_PATH - 1;
  const int room = longest - folder.GetLength();
  if (room < 1) return CString();
  int digits = 4;
  const char* pattern = "%szxf%0*X.tmp";
  if (room < 11) {
    digits = room > 4 ? 4 : (room > 1 ? room - 1 : 1);
    pattern = room > 1 ? "%s~%0*X" : "%s%0*X";
  }
  const unsigned names = 1u << (4 * digits);
  const unsigned first = GetTickCount() % names;
  for (unsigned i = 0; i < names; ++i) {
    CString name;
    name.Format(pattern, static_cast<const char*>(folder), digits, (first + i) % names);
    HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      return name;
    }
    // A name in use (by a file, or by a folder, which answers "access denied")
    // means try the next; any other refusal holds for every name in this folder.
    const DWORD error = GetLastError();
    const bool taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
                       error == ERROR_SHARING_VIOLATION ||
                       (error == ERROR_ACCESS_DENIED && ProbeFile(name).presence == Presence::present);
    if (!taken) return CString();
  }
  return CString();
}

}  // namespace

bool ReplaceFileSafely(const CString& path, const unsigned char* bytes, unsigned length) {
  // The target is judged as a load judges it: a path a load could not read
  // is not written, and a read-only file or a folder is not replaced.
  const FilePresence target = ProbeFile(path);
  if (target.presence == Presence::unusable) return false;
  const bool replacing = target.presence == Presence::present;
  if (replacing && (target.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) return false;

  const CString temporary = CreateTemporaryBeside(path);
  if (temporary.IsEmpty()) return false;
  CFile file;
  if (!file.Open(temporary, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive)) {
    _unlink(temporary);
    return false;
  }
  try {
    file.Write(bytes, length);
    file.Close();
  } catch (CException*) {
    file.Abort();
    _unlink(temporary);
    throw;
  }
  // Flags the platform will not keep are simply not kept; the bytes count.
  if (replacing && (target.attributes & kKeptAttributes))
    SetFileAttributesA(temporary, (target.attributes & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE);
  // Refused when the target is held open without sharing (among others).
  if (MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING)) return true;
  _unlink(temporary);
  return false;
}
