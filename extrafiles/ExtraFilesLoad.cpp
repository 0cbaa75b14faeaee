// LoadExtraFiles (slot 9): replaces the module's list with the content of
// the extra-files file; a file that is not a valid extra-files file is set
// aside as path + ".old", or the next free name of that series, and never
// deleted. Everything after the plain header is read with one read into one
// buffer and parsed from there.
#include <cstdlib>
#include <cstring>
#include <memory>
#include "extrafiles/ExtraFileList.h"
#include "extrafiles/ExtraFilesFormat.h"
#include "extrafiles/FilePresence.h"
#include "extrafiles/SetAside.h"
#include "extrafiles/WorkspaceSync.h"
#include "fw/File.h"
#include "module/Entries.h"
#include "module/HostInterfaces.h"
#include "module/ModuleState.h"

namespace {

struct FreeDeleter {
  void operator()(unsigned char* p) const { std::free(p); }
};

bool HeaderIsValid(CFile& file) {
  char magic[4];
  if (file.Read(magic, sizeof magic) != sizeof magic) return false;
  if (std::memcmp(magic, kExtraFilesMagic, sizeof magic) != 0) return false;
  unsigned char version[2];
  if (file.Read(version, sizeof version) != sizeof version) return false;
  return (version[0] | (version[1] << 8)) == kExtraFilesVersion;
}

// Reads the rest of the file (from offset 6) into the module's list. False
// when the records do not fit the bytes read; the list is then left empty.
bool ReadRecords(CFile& file) {
  const long long rest = file.GetLength() - kExtraFilesHeaderBytes;
  if (rest < 0) return false;
  if (static_cast<unsigned long long>(rest) > 0x7FFFFFFFull) AfxThrowMemoryException();
  const unsigned wanted = static_cast<unsigned>(rest);
  std::unique_ptr<unsigned char, FreeDeleter> buffer(static_cast<unsigned char*>(std::malloc(wanted ? wanted : 1)));
  if (!buffer) AfxThrowMemoryException();
  const unsigned got = file.Read(buffer.get(), wanted);
  ToggleExtraFilesScrambling(buffer.get(), got);
  return ParseExtraFiles(buffer.get(), got, g_extraFiles);
}

}  // namespace

bool LoadExtraFiles(bool synchronise) {
  ClearExtraFiles(g_extraFiles);
  const CString& path = g_workspace->GetExtraFilesPath();
  // "No file" only when the platform says nothing is there; a path it cannot
  // examine (too long, a name it rejects) is a file that cannot be opened.
  const Presence presence = ProbeFile(path).presence;
  if (presence == Presence::absent) return true;
  if (presence == Presence::unusable) return false;
  CFile file;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return false;
  if (!HeaderIsValid(file) || !ReadRecords(file)) {
    ClearExtraFiles(g_extraFiles);
    // Windows renames no file that is open without shared delete access.
    file.Abort();
    SetAsideBadFile(path);
    return false;
  }
  if (synchronise && g_extraFiles.count > 0) SynchroniseWorkspace(g_extraFiles, path, file);
  file.Close();
  return true;
}
