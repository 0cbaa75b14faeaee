#pragma once
// Texts kept in large blocks, one after the other, for as long as the arena
// lives: a million short texts cost their characters and not a heap block
// each. A text never moves once written.
#include <cstddef>
#include <memory>
#include <vector>

class TextArena {
 public:
  // Room for up to size characters, contiguous; Keep then says how many of
  // them the text took (the rest goes to the next text).
  char* Room(size_t size);
  void Keep(size_t used) { m_used += used; }
  // A copy of the characters, with a terminating zero.
  const char* Copy(const char* text, size_t size);

  // Takes the other arena's blocks; their texts stay where they are.
  void Absorb(TextArena&& other);
  void Clear();
  size_t bytes() const;

 private:
  static constexpr size_t kBlockSize = size_t{1} << 20;

  struct Block {
    std::unique_ptr<char[]> data;
    size_t size;
  };
  std::vector<Block> m_blocks;
  size_t m_used = 0;   // characters taken from the last block
};
