#include "extrafiles/ExtraFilesFormat.h"
#include <cstdint>
#include <cstring>

const char kExtraFilesMagic[4] = {'Q', 'X', 'E', 'F'};

void ToggleExtraFilesScrambling(unsigned char* bytes, std::size_t length) {
  // The masks repeat every eight bytes: 0x80, 0x40, ... 0x01 in memory order,
  // which is this 64-bit value read little-endian. Whole groups of eight are
  // toggled as one word, the rest byte by byte.
  const std::uint64_t groupMask = 0x0102040810204080ull;
  std::size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes + i, 8);
    word ^= groupMask;
    std::memcpy(bytes + i, &word, 8);
  }
  for (; i < length; ++i) bytes[i] ^= static_cast<unsigned char>(0x80u >> (i % 8));
}

namespace {

const std::size_t kCountBytes = 4;
const std::size_t kRecordHeadBytes = 3;   // flags byte and 16-bit length

unsigned ReadLength(const unsigned char* p) { return p[1] | (p[2] << 8); }

// Walks the records without touching the list: true when all count records
// lie within the data.
bool RecordsFit(const unsigned char* bytes, std::size_t length, std::uint32_t count) {
  std::size_t at = kCountBytes;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (length - at < kRecordHeadBytes) return false;
    const std::size_t nameBytes = ReadLength(bytes + at);
    at += kRecordHeadBytes;
    if (length - at < nameBytes) return false;
    at += nameBytes;
  }
  return true;
}

}  // namespace

bool ParseExtraFiles(const unsigned char* bytes, std::size_t length, ExtraFileList& list) {
  if (length < kCountBytes) return false;
  const std::uint32_t count = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                              (static_cast<std::uint32_t>(bytes[3]) << 24);
  // A count or length that runs past the data makes the whole file bad, so
  // the records are checked before the first one is appended.
  if (!RecordsFit(bytes, length, count)) return false;
  std::size_t at = kCountBytes;
  for (std::uint32_t i = 0; i < count; ++i) {
    const unsigned char flags = bytes[at];
    const int nameBytes = static_cast<int>(ReadLength(bytes + at));
    at += kRecordHeadBytes;
    ExtraFile record;
    if (nameBytes > 0) {
      std::memcpy(record.name.GetBufferSetLength(nameBytes), bytes + at, nameBytes);
      record.name.ReleaseBuffer(nameBytes);
    }
    record.addToWorkspace = flags & 1;
    record.secondFlag = (flags >> 1) & 1;
    AppendExtraFile(list, record);
    at += nameBytes;
  }
  return true;
}
