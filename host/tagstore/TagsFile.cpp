#include "host/tagstore/TagsFile.h"
#include "host/tagstore/TextScan.h"
#include <cstring>
#include <string_view>
#include <vector>

namespace {

constexpr size_t kLinesPerTick = 2048;

}  // namespace

TagsFile::~TagsFile() {
  if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
}

bool TagsFile::Open(const char* path) {
  // Others may go on writing or replacing the file (ctags, the next F5).
  m_file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (m_file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(m_file, &size)) return false;
  m_size = static_cast<uint64_t>(size.QuadPart);
  return true;
}

bool TagsFile::ReadAt(uint64_t offset, char* out, size_t size, size_t& got) {
  // A read at an offset of its own: threads share the handle, not a position.
  got = 0;
  while (size > 0) {
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD want = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    DWORD read = 0;
    if (!ReadFile(m_file, out, want, &read, &at)) return GetLastError() == ERROR_HANDLE_EOF;
    if (read == 0) return true;
    got += read;
    out += read;
    offset += read;
    size -= read;
  }
  return true;
}

bool TagsFile::LineStartFrom(uint64_t offset, uint64_t& start) {
  if (offset == 0 || offset >= m_size) {
    start = offset == 0 ? 0 : m_size;
    return true;
  }
  // The line that holds the byte before offset ends at its '\n'.
  char buffer[65536];
  for (uint64_t at = offset - 1; at < m_size;) {
    size_t got = 0;
    if (!ReadAt(at, buffer, sizeof(buffer), got)) return false;
    if (got == 0) break;
    if (const void* end = std::memchr(buffer, '\n', got)) {
      start = at + static_cast<uint64_t>(static_cast<const char*>(end) - buffer) + 1;
      return true;
    }
    at += got;
  }
  start = m_size;
  return true;
}

bool TagsFile::ReadLines(uint64_t from, uint64_t to, TagsPart& part, std::atomic<uint64_t>& bytesRead,
                         const std::function<void()>& tick) {
  part.ExpectBytes(to - from);
  std::vector<char> buffer(kBlockBytes);
  uint64_t base = from;   // the file offset of buffer[0]
  size_t filled = 0;      // bytes in the buffer
  size_t start = 0;       // where the next line starts in it
  size_t lines = 0;
  bool atEnd = false;
  while (base + start < to) {
    const char* data = buffer.data();
    const char* end = FindByte(data + start, data + filled, '\n');
    if (end != data + filled) {
      size_t length = static_cast<size_t>(end - data) - start;
      part.AddLine(std::string_view(data + start, length));
      start += length + 1;
      if (++lines % kLinesPerTick == 0 && tick) tick();
      continue;
    }
    if (atEnd) {
      // The last line without its end.
      if (start < filled) part.AddLine(std::string_view(data + start, filled - start));
      break;
    }
    // The line so far goes to the front; the block grows for a line longer than itself.
    std::memmove(buffer.data(), data + start, filled - start);
    base += start;
    filled -= start;
    start = 0;
    if (filled == buffer.size()) buffer.resize(buffer.size() * 2);
    uint64_t left = to - (base + filled);
    size_t want = buffer.size() - filled;
    if (left < want) want = static_cast<size_t>(left);
    size_t got = 0;
    if (!ReadAt(base + filled, buffer.data() + filled, want, got)) return false;
    filled += got;
    bytesRead += got;
    // Stopped short of the stretch's end only when the file shrank meanwhile.
    atEnd = got < want || base + filled >= to;
  }
  return true;
}
