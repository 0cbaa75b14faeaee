#pragma once
// The extra-files list, in the layout shared with the host (six words, nodes
// of four, each word as wide as a pointer): the host
// hands its own lists across the module boundary and the module empties and
// refills them, so every word below is part of the contract.
#include <cstddef>
#include <cstdint>
#include "fw/String.h"

// One entry: a file name and two one-bit flags in the first byte of the second word.
struct ExtraFile {
  CString name;
  unsigned char addToWorkspace : 1;   // bit 0 of the flags byte
  unsigned char secondFlag : 1;       // bit 1 of the flags byte
};

struct ExtraFileNode {
  ExtraFileNode* next;   // following node; in a spare slot, the next spare slot
  ExtraFileNode* prev;   // preceding node
  ExtraFile record;
};

// A block from malloc: a link to the block allocated before it, then nodesPerBlock slots.
struct ExtraFileBlock {
  ExtraFileBlock* link;
  ExtraFileNode* slots() { return reinterpret_cast<ExtraFileNode*>(this + 1); }
};

// count and nodesPerBlock are 32-bit values in the low half of their word.
// In the 64-bit build the module reads only that half (a host may keep them
// as 32-bit fields with anything in the padding above) and, whenever it
// writes count, clears the upper half too (a host may read the whole word).
struct ExtraFileList {
  ExtraFileNode* head;
  ExtraFileNode* tail;
  std::uint32_t count;
#if UINTPTR_MAX > 0xFFFFFFFFu
  std::uint32_t countHigh;          // written 0 with count, never read
#endif
  ExtraFileBlock* blockChain;
  ExtraFileNode* freeChain;
  std::int32_t nodesPerBlock;
#if UINTPTR_MAX > 0xFFFFFFFFu
  std::int32_t nodesPerBlockHigh;   // neither read nor written
#endif
};

// Words are pointer-sized: 4 bytes in the 32-bit product, 8 in the 64-bit build.
// The flags byte is the first byte of the record's second word in both.
constexpr std::size_t kListWord = sizeof(void*);
static_assert(kListWord == 4 || kListWord == 8, "a 32-bit or a 64-bit build");
static_assert(sizeof(ExtraFile) == 2 * kListWord, "an extra-files record is two words");
static_assert(offsetof(ExtraFile, name) == 0, "the name is the record's first word");
static_assert(sizeof(ExtraFileNode) == 4 * kListWord, "a node is four words");
static_assert(offsetof(ExtraFileNode, record) == 2 * kListWord, "the record follows next and prev");
static_assert(sizeof(ExtraFileBlock) == kListWord, "a block starts with one link word");
static_assert(sizeof(ExtraFileList) == 6 * kListWord, "a list is six words");
static_assert(offsetof(ExtraFileList, count) == 2 * kListWord, "count is the third word");
static_assert(offsetof(ExtraFileList, blockChain) == 3 * kListWord, "blockChain is the fourth word");
static_assert(offsetof(ExtraFileList, nodesPerBlock) == 5 * kListWord, "nodesPerBlock is the sixth word");

// An empty list with nodesPerBlock slots a block (constant-initialised).
constexpr ExtraFileList EmptyExtraFileList(std::int32_t nodesPerBlock) {
  ExtraFileList list{};
  list.nodesPerBlock = nodesPerBlock;
  return list;
}

// Empties a list: releases every name, frees every block; nodesPerBlock stays.
void ClearExtraFiles(ExtraFileList& list);
// Appends a copy of record at the tail; raises CMemoryException when no block
// can be allocated (the list stays consistent).
ExtraFileNode* AppendExtraFile(ExtraFileList& list, const ExtraFile& record);
