#pragma once
// A tags file as the tag set reads it: opened once, its lines read in blocks
// of a few megabytes straight into a TagsPart, which keeps only what the
// tags need, so that a file of hundreds of megabytes is never all in memory.
// Two threads can each read their own stretch of lines through one TagsFile.
#include <windows.h>
#include <atomic>
#include <cstdint>
#include <functional>
#include "host/tagstore/TagsPart.h"

class TagsFile {
 public:
  TagsFile() = default;
  TagsFile(const TagsFile&) = delete;
  TagsFile& operator=(const TagsFile&) = delete;
  ~TagsFile();

  // False when the file cannot be opened for reading (missing, a folder, no access).
  bool Open(const char* path);
  uint64_t size() const { return m_size; }

  // The first offset at or after offset where a line starts; size() when none.
  // False when a read fails.
  bool LineStartFrom(uint64_t offset, uint64_t& start);
  // Reads every line that starts in [from, to) into part, from a line start
  // from. bytesRead grows by what is read; tick is called every few thousand
  // lines. False when a read fails.
  bool ReadLines(uint64_t from, uint64_t to, TagsPart& part, std::atomic<uint64_t>& bytesRead,
                 const std::function<void()>& tick);

  static constexpr size_t kBlockBytes = size_t{2} << 20;

 private:
  bool ReadAt(uint64_t offset, char* out, size_t size, size_t& got);

  HANDLE m_file = INVALID_HANDLE_VALUE;
  uint64_t m_size = 0;
};
