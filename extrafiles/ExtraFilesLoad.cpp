// LoadExtraFiles (slot 9): replaces the module's list with the content of
// the extra-files file; a file that is not a valid extra-files file is set
// aside as path + ".old". Everything after the plain header is read with one
// read into one buffer and parsed from there.
#include <io.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include "extrafiles/ExtraFileList.h"
#include "extrafiles/ExtraFilesFormat.h"
#include "extrafiles/WorkspaceSync.h"
#include "fw/File.h"
#include "module/Entries.h"
#include "module/HostInterfaces.h"
#include "module/ModuleState.h"

namespace {

struct FreeDeleter {
  void operator()(unsigned char* p) const { std::free(p); }
};

// Moves a bad file out of the way. Windows renames and deletes no file that
// is open without shared delete access, so the reading handle is closed
// first. A rename refused because the ".old" name is taken leaves the bad
// file to _unlink. Both results are ignored.
void SetAside(CFile& file, const CString& path) {
  file.Abort();
  const CString oldName = path + ".old";
  std::rename(path, oldName);
  _unlink(path);
}

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
  if (_access(path, 0) != 0) return true;
  CFile file;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return false;
  if (!HeaderIsValid(file) || !ReadRecords(file)) {
    ClearExtraFiles(g_extraFiles);
    SetAside(file, path);
    return false;
  }
  if (synchronise && g_extraFiles.count > 0) SynchroniseWorkspace(g_extraFiles, path, file);
  file.Close();
  return true;
}
