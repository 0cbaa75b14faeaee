#include "host/addin/HostExtraFileList.h"
#include <cstdlib>
#include <new>
#include "fw/Exceptions.h"

HostExtraFiles::HostExtraFiles(std::int32_t nodesPerBlock) : m_list{} { m_list.nodesPerBlock = nodesPerBlock; }

HostExtraFileNode* HostExtraFiles::Add(const CString& name, unsigned char flags) {
  if (!m_list.freeChain) {
    const std::size_t bytes = sizeof(HostExtraFileBlock) + sizeof(HostExtraFileNode) * m_list.nodesPerBlock;
    auto* block = static_cast<HostExtraFileBlock*>(std::malloc(bytes));
    if (!block) AfxThrowMemoryException();
    block->link = m_list.blockChain;
    m_list.blockChain = block;
    for (int i = m_list.nodesPerBlock - 1; i >= 0; --i) {
      block->slot(i)->next = m_list.freeChain;
      m_list.freeChain = block->slot(i);
    }
  }
  HostExtraFileNode* node = m_list.freeChain;
  m_list.freeChain = node->next;
  new (&node->name) CString(name);
  node->flags = flags;
  node->prev = m_list.tail;
  node->next = nullptr;
  if (m_list.tail)
    m_list.tail->next = node;
  else
    m_list.head = node;
  m_list.tail = node;
  ++m_list.count;
  return node;
}

void HostExtraFiles::Fill(const std::vector<HostExtraFileEntry>& entries) {
  for (const HostExtraFileEntry& entry : entries) Add(entry.name, entry.flags);
}

std::vector<HostExtraFileEntry> HostExtraFiles::Entries() const {
  std::vector<HostExtraFileEntry> entries;
  for (const HostExtraFileNode* node = m_list.head; node; node = node->next)
    entries.push_back({node->name, node->flags});
  return entries;
}

void HostExtraFiles::Clear() {
  for (HostExtraFileNode* node = m_list.head; m_list.count > 0; --m_list.count) {
    HostExtraFileNode* next = node->next;
    node->name.~CString();
    node = next;
  }
  for (HostExtraFileBlock* block = m_list.blockChain; block;) {
    HostExtraFileBlock* older = block->link;
    std::free(block);
    block = older;
  }
  const std::intptr_t nodesPerBlock = m_list.nodesPerBlock;
  m_list = HostExtraFileList{};
  m_list.nodesPerBlock = nodesPerBlock;
}

std::vector<HostExtraFileBlock*> HostExtraFiles::Blocks() const {
  std::vector<HostExtraFileBlock*> blocks;
  for (HostExtraFileBlock* block = m_list.blockChain; block; block = block->link) blocks.push_back(block);
  return blocks;
}
