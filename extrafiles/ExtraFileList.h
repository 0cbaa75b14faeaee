#pragma once
// The extra-files list, in the 32-bit layout shared with the host: the host
// hands its own lists across the module boundary and the module empties and
// refills them, so every word below is part of the contract.
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

struct ExtraFileList {
  ExtraFileNode* head;
  ExtraFileNode* tail;
  std::uint32_t count;
  ExtraFileBlock* blockChain;
  ExtraFileNode* freeChain;
  std::int32_t nodesPerBlock;
};

static_assert(sizeof(ExtraFile) == 8, "an extra-files record is two 32-bit words");
static_assert(sizeof(ExtraFileNode) == 16, "a node is four 32-bit words");
static_assert(sizeof(ExtraFileBlock) == 4, "a block starts with one link word");
static_assert(sizeof(ExtraFileList) == 24, "a list is six 32-bit words");

// Empties a list: releases every name, frees every block; nodesPerBlock stays.
void ClearExtraFiles(ExtraFileList& list);
// Appends a copy of record at the tail; raises CMemoryException when no block
// can be allocated (the list stays consistent).
ExtraFileNode* AppendExtraFile(ExtraFileList& list, const ExtraFile& record);
