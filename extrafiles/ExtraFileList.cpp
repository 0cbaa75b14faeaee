// The block-pooled extra-files list. Nodes come from malloc'ed blocks of
// nodesPerBlock slots and go back to the heap only when the list is emptied;
// the host allocates and frees blocks of the same shape on the same heap.
#include "extrafiles/ExtraFileList.h"
#include <cstdlib>
#include <new>
#include "fw/Exceptions.h"

namespace {

// Bytes of one block: the link word and nodesPerBlock slots. Zero when the
// slot count is below 1 or the size does not fit in 32 bits (the limit of the
// 32-bit product, kept in the 64-bit build so that both accept the same lists).
std::size_t BlockBytes(std::int32_t nodesPerBlock) {
  if (nodesPerBlock < 1) return 0;
  const std::uint64_t bytes =
      sizeof(ExtraFileBlock) + static_cast<std::uint64_t>(nodesPerBlock) * sizeof(ExtraFileNode);
  if (bytes > 0xFFFFFFFFull) return 0;
  return static_cast<std::size_t>(bytes);
}

// Allocates a block and threads its slots onto freeChain so that the slot at
// the lowest address is handed out first. Leaves the list unchanged on failure.
void AddBlock(ExtraFileList& list) {
  const std::size_t bytes = BlockBytes(list.nodesPerBlock);
  if (bytes == 0) AfxThrowMemoryException();
  auto* block = static_cast<ExtraFileBlock*>(std::malloc(bytes));
  if (!block) AfxThrowMemoryException();
  block->link = list.blockChain;
  list.blockChain = block;
  ExtraFileNode* slots = block->slots();
  for (std::int32_t i = list.nodesPerBlock; i-- > 0;) {
    slots[i].next = list.freeChain;
    list.freeChain = &slots[i];
  }
}

// Stores a new count; in the 64-bit build the whole word, upper half 0.
void SetCount(ExtraFileList& list, std::uint32_t count) {
  list.count = count;
#if UINTPTR_MAX > 0xFFFFFFFFu
  list.countHigh = 0;
#endif
}

}  // namespace

void ClearExtraFiles(ExtraFileList& list) {
  while (list.count > 0) {
    ExtraFileNode* node = list.head;
    list.head = node->next;
    node->record.name.~CString();
    node->next = list.freeChain;
    list.freeChain = node;
    SetCount(list, list.count - 1);
  }
  SetCount(list, 0);
  list.head = nullptr;
  list.tail = nullptr;
  list.freeChain = nullptr;
  for (ExtraFileBlock* block = list.blockChain; block;) {
    ExtraFileBlock* older = block->link;
    std::free(block);
    block = older;
  }
  list.blockChain = nullptr;
}

ExtraFileNode* AppendExtraFile(ExtraFileList& list, const ExtraFile& record) {
  if (!list.freeChain) AddBlock(list);
  ExtraFileNode* node = list.freeChain;
  // The name is copied before the slot leaves freeChain: should the copy
  // raise, the slot is still spare and the list unchanged.
  new (&node->record.name) CString(record.name);
  list.freeChain = node->next;
  // Only bits 0 and 1 are carried over; the rest of the flags byte stays as it was.
  node->record.addToWorkspace = record.addToWorkspace;
  node->record.secondFlag = record.secondFlag;
  node->prev = list.tail;
  node->next = nullptr;
  SetCount(list, list.count + 1);
  if (list.tail)
    list.tail->next = node;
  else
    list.head = node;
  list.tail = node;
  return node;
}
