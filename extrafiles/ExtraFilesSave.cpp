// SaveExtraFiles (slot 10): the list's file image, built in memory and
// written with one write. The image goes to a temporary file in the same
// folder first and replaces the old file only once it is written whole, so
// a failing write never destroys the file it was meant to replace.
#include <cstdlib>
#include <cstring>
#include <memory>
#include "extrafiles/ExtraFileList.h"
#include "extrafiles/ExtraFilesFormat.h"
#include "extrafiles/SafeReplace.h"
#include "fw/File.h"
#include "module/Entries.h"
#include "module/HostInterfaces.h"
#include "module/ModuleState.h"

namespace {

struct FreeDeleter {
  void operator()(unsigned char* p) const { std::free(p); }
};
typedef std::unique_ptr<unsigned char, FreeDeleter> MallocBytes;

// Collects small pieces and hands them to the memory file in large writes,
// so that a list of a million names costs a few hundred writes, not millions.
class ImageWriter {
 public:
  explicit ImageWriter(CMemFile& image) : m_image(image) {}
  void Put(const void* bytes, unsigned count) {
    if (count > sizeof m_chunk - m_used) {
      Flush();
      if (count > sizeof m_chunk) {
        m_image.Write(bytes, count);
        return;
      }
    }
    std::memcpy(m_chunk + m_used, bytes, count);
    m_used += count;
  }
  void PutLittleEndian(std::uint32_t value, unsigned bytes) {
    unsigned char out[4];
    for (unsigned i = 0; i < bytes; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
    Put(out, bytes);
  }
  void Flush() {
    if (m_used) m_image.Write(m_chunk, m_used);
    m_used = 0;
  }

 private:
  CMemFile& m_image;
  unsigned char m_chunk[16384];
  unsigned m_used = 0;
};

// The image of the module's list, unscrambled; length receives its size.
MallocBytes BuildImage(unsigned& length) {
  CMemFile image(1024);
  // The image is measured first and its last byte written, so that the memory
  // file takes its whole buffer at once instead of growing through every
  // doubling (each a copy of all that was written and fresh pages to touch).
  unsigned long long total = kExtraFilesHeaderBytes + 4;
  for (const ExtraFileNode* node = g_extraFiles.head; node; node = node->next)
    total += 3 + (static_cast<unsigned>(node->record.name.GetLength()) & 0xFFFFu);
  if (total > 0xFFFFFFFFull) AfxThrowMemoryException();
  image.Seek(static_cast<long long>(total) - 1, CFile::begin);
  image.Write("", 1);
  image.SeekToBegin();
  ImageWriter writer(image);
  writer.Put(kExtraFilesMagic, sizeof kExtraFilesMagic);
  writer.PutLittleEndian(kExtraFilesVersion, 2);
  writer.PutLittleEndian(g_extraFiles.count, 4);
  for (const ExtraFileNode* node = g_extraFiles.head; node; node = node->next) {
    const ExtraFile& entry = node->record;
    // Only the low 16 bits of the length fit the record; the name is cut to match.
    const unsigned nameBytes = static_cast<unsigned>(entry.name.GetLength()) & 0xFFFFu;
    const unsigned char head[3] = {static_cast<unsigned char>(entry.addToWorkspace | (entry.secondFlag << 1)),
                                   static_cast<unsigned char>(nameBytes),
                                   static_cast<unsigned char>(nameBytes >> 8)};
    writer.Put(head, sizeof head);
    writer.Put(static_cast<const char*>(entry.name), nameBytes);
  }
  writer.Flush();
  length = static_cast<unsigned>(image.GetLength());
  return MallocBytes(image.Detach());
}

}  // namespace

bool SaveExtraFiles() {
  unsigned length = 0;
  MallocBytes image = BuildImage(length);
  ToggleExtraFilesScrambling(image.get() + kExtraFilesHeaderBytes, length - kExtraFilesHeaderBytes);
  const CString& path = g_workspace->GetExtraFilesPath();
  // False when no byte reached the path (the old file, if any, is as it was).
  return ReplaceFileSafely(path, image.get(), length);
}
