#include "host/tagstore/TextArena.h"
#include <cstring>
#include <iterator>

char* TextArena::Room(size_t size) {
  if (m_blocks.empty() || m_blocks.back().size - m_used < size) {
    // A text longer than a block gets a block of its own size.
    size_t blockSize = size > kBlockSize ? size : kBlockSize;
    m_blocks.push_back(Block{std::unique_ptr<char[]>(new char[blockSize]), blockSize});
    m_used = 0;
  }
  return m_blocks.back().data.get() + m_used;
}

const char* TextArena::Copy(const char* text, size_t size) {
  char* room = Room(size + 1);
  std::memcpy(room, text, size);
  room[size] = '\0';
  Keep(size + 1);
  return room;
}

void TextArena::Absorb(TextArena&& other) {
  if (m_blocks.empty()) {
    m_blocks = std::move(other.m_blocks);
    m_used = other.m_used;
  } else {
    // Before this arena's last block, which goes on taking texts.
    m_blocks.insert(m_blocks.end() - 1, std::make_move_iterator(other.m_blocks.begin()),
                    std::make_move_iterator(other.m_blocks.end()));
  }
  other.m_blocks.clear();
  other.m_used = 0;
}

void TextArena::Clear() {
  m_blocks.clear();
  m_used = 0;
}

size_t TextArena::bytes() const {
  size_t total = 0;
  for (const Block& block : m_blocks) total += block.size;
  return total;
}
