#pragma once
// The host's own extra-files lists, in the layout it shares with the module
// (six words, nodes of four; a word is as wide as a pointer, and count and
// nodesPerBlock fill theirs): the module empties and refills these lists (freeing the host's
// blocks, allocating blocks the host frees), so both sides take blocks from
// the C runtime's heap with malloc and give them back with free.
#include <cstddef>
#include <cstdint>
#include <vector>
#include "fw/String.h"

// The bits of an entry's flags byte that carry something.
constexpr unsigned char kAddToWorkspaceFlag = 0x01;   // bit 0
constexpr unsigned char kSecondFlag = 0x02;           // bit 1
constexpr unsigned char kCarriedFlags = kAddToWorkspaceFlag | kSecondFlag;

struct HostExtraFileNode {
  HostExtraFileNode* next;
  HostExtraFileNode* prev;
  CString name;
  unsigned char flags;   // kAddToWorkspaceFlag, kSecondFlag; the other bits carry nothing
  unsigned char unused[sizeof(void*) - 1];
};

// A block: a link word to the block allocated before it, then the node slots.
struct HostExtraFileBlock {
  HostExtraFileBlock* link;
  HostExtraFileNode* slot(int index) { return reinterpret_cast<HostExtraFileNode*>(this + 1) + index; }
};

struct HostExtraFileList {
  HostExtraFileNode* head;
  HostExtraFileNode* tail;
  std::uintptr_t count;
  HostExtraFileBlock* blockChain;
  HostExtraFileNode* freeChain;
  std::intptr_t nodesPerBlock;
};

constexpr std::size_t kHostListWord = sizeof(void*);   // 4 in a 32-bit host, 8 in a 64-bit one
static_assert(sizeof(HostExtraFileNode) == 4 * kHostListWord, "a node is four words");
static_assert(sizeof(HostExtraFileList) == 6 * kHostListWord, "a list is six words");

struct HostExtraFileEntry {
  CString name;
  unsigned char flags;   // the whole flags byte as the node holds it
};

// A host list that owns its nodes and blocks; the module may empty and refill
// it through the operation table in between (raw() is what crosses).
class HostExtraFiles {
 public:
  explicit HostExtraFiles(std::int32_t nodesPerBlock = 10);
  ~HostExtraFiles() { Clear(); }
  HostExtraFiles(const HostExtraFiles&) = delete;
  HostExtraFiles& operator=(const HostExtraFiles&) = delete;

  // Appends an entry holding a copy of name and the whole flags byte.
  HostExtraFileNode* Add(const CString& name, unsigned char flags);
  void Fill(const std::vector<HostExtraFileEntry>& entries);
  // The entries from head along next.
  std::vector<HostExtraFileEntry> Entries() const;
  // Releases every name and frees every block; nodesPerBlock stays.
  void Clear();
  // Blocks along blockChain, newest first.
  std::vector<HostExtraFileBlock*> Blocks() const;

  HostExtraFileList* raw() { return &m_list; }
  const HostExtraFileList& list() const { return m_list; }

 private:
  HostExtraFileList m_list;
};
