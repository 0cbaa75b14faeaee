#pragma once
// The tags of a set in one block of memory, in tags-file order. Its tags are
// made in place, so that two threads can make the two halves at once; a
// TagEntry owns nothing and needs no destructor. The tags' parents are
// distances within the block (TagEntry.h): the block never moves its tags,
// it is replaced whole.
#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include "host/addin/TagEntry.h"

class TagArray {
 public:
  TagArray() = default;
  TagArray(const TagArray&) = delete;
  TagArray& operator=(const TagArray&) = delete;
  TagArray(TagArray&& other) noexcept { *this = std::move(other); }
  TagArray& operator=(TagArray&& other) noexcept {
    m_memory = std::move(other.m_memory);
    m_size = other.m_size;
    other.m_size = 0;
    return *this;
  }

  // Room for size tags, none made yet; each is then made once with Make.
  explicit TagArray(size_t size)
      : m_memory(static_cast<TagEntry*>(::operator new(size * sizeof(TagEntry)))), m_size(size) {}
  template <class... Args>
  TagEntry& Make(size_t index, Args&&... args) {
    return *new (m_memory.get() + index) TagEntry(std::forward<Args>(args)...);
  }

  size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  TagEntry* data() { return m_memory.get(); }
  const TagEntry* data() const { return m_memory.get(); }
  TagEntry& operator[](size_t index) { return m_memory.get()[index]; }
  const TagEntry& operator[](size_t index) const { return m_memory.get()[index]; }
  TagEntry* begin() { return data(); }
  TagEntry* end() { return data() + m_size; }
  const TagEntry* begin() const { return data(); }
  const TagEntry* end() const { return data() + m_size; }

 private:
  struct Free {
    void operator()(TagEntry* memory) const { ::operator delete(memory); }
  };
  std::unique_ptr<TagEntry, Free> m_memory;
  size_t m_size = 0;
};
