#include "host/filterdialogs/TextBlock.h"
#include <algorithm>
#include <cstring>
#include <new>

void TextBlock::Clear() {
  m_chunks.clear();
  m_chunkOfPage.clear();
  m_end = 0;
}

DWORD TextBlock::Append(const char* data, size_t size) {
  if (size > 0xFFFFFFFFull - m_end) throw std::bad_alloc();
  if (m_chunks.empty() || m_chunks.back().room - m_chunks.back().used < size) {
    // Small blocks start small: chunks double from 64 KiB up to kChunkBytes.
    size_t room = m_chunks.empty() ? kChunkBytes >> 4 : std::min(m_chunks.back().room * 2, kChunkBytes);
    room = std::max(room, size);
    m_chunks.push_back(Chunk{std::unique_ptr<char[]>(new char[room]), m_end, 0, room});
  }
  Chunk& chunk = m_chunks.back();
  if (size > 0) memcpy(chunk.data.get() + chunk.used, data, size);
  chunk.used += size;
  DWORD offset = m_end;
  m_end += static_cast<DWORD>(size);
  // The pages whose first offset this text holds.
  while ((static_cast<unsigned long long>(m_chunkOfPage.size()) << kPageShift) < m_end)
    m_chunkOfPage.push_back(static_cast<DWORD>(m_chunks.size() - 1));
  return offset;
}

size_t TextBlock::ChunkOf(DWORD offset) const {
  // The page's chunk, or one after it: a chunk that starts at or before the
  // offset (an empty text's offset can also start the next chunk's text).
  size_t chunk = m_chunkOfPage[offset >> kPageShift];
  while (chunk + 1 < m_chunks.size() && m_chunks[chunk + 1].base <= offset) ++chunk;
  return chunk;
}

const char* TextBlock::At(DWORD offset) const {
  const Chunk& chunk = m_chunks[ChunkOf(offset)];
  return chunk.data.get() + (offset - chunk.base);
}
