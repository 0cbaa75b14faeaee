#pragma once
// Texts kept one after another and found by their offset: offsets run on
// without gaps, while the bytes are kept in chunks of up to 1 MiB, each text
// whole in one chunk (a longer text gets a chunk of its own). A million texts go
// in without copying what came before and without the spare room a
// doubling buffer keeps, so the block never holds much more than its texts,
// even while it grows.
#include <windows.h>
#include <memory>
#include <vector>

class TextBlock {
 public:
  static constexpr size_t kChunkBytes = size_t{1} << 20;

  void Clear();
  // Copies the bytes in, as one text, and returns the offset of the first;
  // the offsets up to offset + size are the others. Throws std::bad_alloc
  // once the offsets would pass 4 GiB.
  DWORD Append(const char* data, size_t size);
  // The byte at an offset below end(), and the ones after it in the same text.
  const char* At(DWORD offset) const;
  // The offset after the last byte appended.
  DWORD end() const { return m_end; }

  // Calls visit(data, first, last) for every run of bytes in [from, to) kept
  // one after another: data points at the byte of offset `first`.
  template <typename Visit>
  void ForEachRun(DWORD from, DWORD to, Visit visit) const {
    if (from >= to) return;
    for (size_t c = ChunkOf(from); from < to; ++c) {
      const Chunk& chunk = m_chunks[c];
      DWORD last = chunk.base + static_cast<DWORD>(chunk.used);
      if (last > to) last = to;
      visit(chunk.data.get() + (from - chunk.base), from, last);
      from = last;
    }
  }

 private:
  struct Chunk {
    std::unique_ptr<char[]> data;
    DWORD base;      // the offset of data[0]
    size_t used;
    size_t room;
  };
  size_t ChunkOf(DWORD offset) const;

  static constexpr int kPageShift = 16;

  std::vector<Chunk> m_chunks;
  std::vector<DWORD> m_chunkOfPage;   // the chunk that holds offset s << kPageShift, for each s below end (pages of 64 KiB)
  DWORD m_end = 0;
};
