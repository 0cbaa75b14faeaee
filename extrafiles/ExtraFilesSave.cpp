// SaveExtraFiles (slot 10): the list's file image, built in memory and
// written with one write. The image goes to a temporary file in the same
// folder first and replaces the old file only once it is written whole, so
// a failing write never destroys the file it was meant to replace.
#include <io.h>
#include <cstdlib>
#include <memory>
#include "extrafiles/ExtraFileList.h"
#include "extrafiles/ExtraFilesFormat.h"
#include "fw/File.h"
#include "module/Entries.h"
#include "module/HostInterfaces.h"
#include "module/ModuleState.h"

namespace {

struct FreeDeleter {
  void operator()(unsigned char* p) const { std::free(p); }
};
typedef std::unique_ptr<unsigned char, FreeDeleter> MallocBytes;

void WriteLittleEndian(CMemFile& image, std::uint32_t value, unsigned bytes) {
  unsigned char out[4];
  for (unsigned i = 0; i < bytes; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
  image.Write(out, bytes);
}

// The image of the module's list, unscrambled; length receives its size.
MallocBytes BuildImage(unsigned& length) {
  CMemFile image(1024);
  image.Write(kExtraFilesMagic, sizeof kExtraFilesMagic);
  WriteLittleEndian(image, kExtraFilesVersion, 2);
  WriteLittleEndian(image, g_extraFiles.count, 4);
  for (const ExtraFileNode* node = g_extraFiles.head; node; node = node->next) {
    const ExtraFile& entry = node->record;
    const unsigned char flags = static_cast<unsigned char>(entry.addToWorkspace | (entry.secondFlag << 1));
    image.Write(&flags, 1);
    // Only the low 16 bits of the length fit the record; the name is cut to match.
    const unsigned nameBytes = static_cast<unsigned>(entry.name.GetLength()) & 0xFFFFu;
    WriteLittleEndian(image, nameBytes, 2);
    image.Write(static_cast<const char*>(entry.name), nameBytes);
  }
  length = static_cast<unsigned>(image.GetLength());
  return MallocBytes(image.Detach());
}

// The folder part of path ("." when it has none), for the temporary file.
CString FolderOf(const CString& path) {
  int slash = path.ReverseFind('\\');
  const int forward = path.ReverseFind('/');
  if (forward > slash) slash = forward;
  if (slash < 0) return CString(".");
  if (slash == 0 || (slash == 2 && path[1] == ':')) return path.Left(slash + 1);
  return path.Left(slash);
}

// Writes bytes to a temporary file beside path and moves it over path. When
// no temporary can be made or the move is refused, nothing changes. A write
// that fails raises CFileException after the temporary has been removed.
void ReplaceFile(const CString& path, const unsigned char* bytes, unsigned length) {
  char temporary[MAX_PATH];
  if (!GetTempFileNameA(FolderOf(path), "zxf", 0, temporary)) return;
  CFile file;
  if (!file.Open(temporary, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive)) {
    _unlink(temporary);
    return;
  }
  try {
    file.Write(bytes, length);
    file.Close();
  } catch (CException*) {
    file.Abort();
    _unlink(temporary);
    throw;
  }
  if (!MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING)) _unlink(temporary);
}

}  // namespace

bool SaveExtraFiles() {
  unsigned length = 0;
  MallocBytes image = BuildImage(length);
  ToggleExtraFilesScrambling(image.get() + kExtraFilesHeaderBytes, length - kExtraFilesHeaderBytes);
  const CString& path = g_workspace->GetExtraFilesPath();
  ReplaceFile(path, image.get(), length);
  return true;
}
