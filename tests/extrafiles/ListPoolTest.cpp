// The extra-files list seen from the host: the pooled node layout of lists
// the module refills, the emptying of a host list, and what a copy carries.
#include <malloc.h>
#include <cstdlib>
#include <cstring>
#include "fw/Exceptions.h"
#include "tests/extrafiles/ExtraFilesHost.h"

namespace {

class ListPoolTest : public ExtraFilesTest {};

std::vector<HostExtraFileEntry> Numbered(int count) {
  std::vector<HostExtraFileEntry> entries;
  for (int i = 0; i < count; ++i) {
    CString name;
    name.Format("file%02d.cpp", i);
    entries.push_back({name, static_cast<unsigned char>(i & 3)});
  }
  return entries;
}

// Whether the C runtime heap holds a block in use at address.
bool HeapBlockInUse(void* address) {
  _HEAPINFO info;
  info._pentry = nullptr;
  while (_heapwalk(&info) == _HEAPOK)
    if (info._pentry == address) return info._useflag == _USEDENTRY;
  return false;
}

TEST_F(ListPoolTest, EleventhAppendTakesASecondBlockAndSlotsGoOutLowestFirst) {
  SetModuleEntries(Numbered(11));
  HostExtraFiles list(10);
  Table()->getExtraFiles(list.raw());

  const HostExtraFileList& raw = list.list();
  const std::vector<HostExtraFileBlock*> blocks = list.Blocks();
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0]->link, blocks[1]);
  EXPECT_EQ(blocks[1]->link, nullptr);
  EXPECT_EQ(raw.count, 11u);
  EXPECT_EQ(raw.nodesPerBlock, 10);

  HostExtraFileNode* node = raw.head;
  HostExtraFileNode* previous = nullptr;
  for (int i = 0; i < 11; ++i, previous = node, node = node->next) {
    ASSERT_NE(node, nullptr);
    HostExtraFileNode* expected = i < 10 ? blocks[1]->slot(i) : blocks[0]->slot(0);
    EXPECT_EQ(node, expected) << "node " << i;
    EXPECT_EQ(node->prev, previous) << "node " << i;
    EXPECT_STREQ(node->name, Numbered(11)[i].name);
  }
  EXPECT_EQ(node, nullptr);
  EXPECT_EQ(raw.tail, blocks[0]->slot(0));
  EXPECT_EQ(raw.freeChain, blocks[0]->slot(1));
  EXPECT_EQ(blocks[0]->slot(1)->next, blocks[0]->slot(2));
}

TEST_F(ListPoolTest, EmptyingAHostListWithoutEntriesFreesItsBlocks) {
  HostExtraFiles list(4);
  list.Add("a", 1);
  list.Add("b", 2);
  // A list that owns a block but no entry: names released, count 0, the rest left.
  HostExtraFileList* raw = list.raw();
  raw->head->next->name.~CString();
  raw->head->name.~CString();
  raw->count = 0;
  HostExtraFileBlock* block = raw->blockChain;
  ASSERT_TRUE(HeapBlockInUse(block));

  SetModuleEntries({});
  Table()->getExtraFiles(raw);

  EXPECT_EQ(raw->head, nullptr);
  EXPECT_EQ(raw->tail, nullptr);
  EXPECT_EQ(raw->count, 0u);
  EXPECT_EQ(raw->blockChain, nullptr);
  EXPECT_EQ(raw->freeChain, nullptr);
  EXPECT_EQ(raw->nodesPerBlock, 4);
  EXPECT_FALSE(HeapBlockInUse(block));
}

TEST_F(ListPoolTest, RefillingAHostListFreesItsOldBlocksAndKeepsItsBlockSize) {
  HostExtraFiles list(2);
  list.Fill(Numbered(5));   // three blocks of two slots
  std::vector<HostExtraFileBlock*> old = list.Blocks();
  ASSERT_EQ(old.size(), 3u);
  SetModuleEntries(Numbered(3));
  Table()->getExtraFiles(list.raw());
  ASSERT_EQ(list.Blocks().size(), 2u);
  const std::vector<HostExtraFileBlock*> now = list.Blocks();
  for (HostExtraFileBlock* block : old) {
    if (block != now[0] && block != now[1]) {
      EXPECT_FALSE(HeapBlockInUse(block));
    }
  }
  EXPECT_EQ(list.list().nodesPerBlock, 2);
  EXPECT_EQ(list.Entries().size(), 3u);
}

TEST_F(ListPoolTest, CopiesKeepOrderAndBitsZeroAndOneAndShareTheNames) {
  HostExtraFiles source(3);
  const unsigned char flags[] = {0xFC, 0xFD, 0xFE, 0xFF, 0x00, 0x01, 0x02, 0x03};
  for (int i = 0; i < 8; ++i) {
    CString name;
    name.Format("src\\name%d.h", i);
    source.Add(name, flags[i]);
  }
  source.Add("src\\name1.h", 1);   // duplicates are entries like any other
  source.Add("", 2);
  Table()->setExtraFiles(source.raw());

  // Freshly freed zeroed memory of the block's size is most likely what the
  // copy's block is made of: bits 2 to 7 of its flags bytes then stay 0. A
  // copy of the whole source byte would show the source's high bits instead.
  void* zeroed = std::malloc(4 + 16 * 16);
  std::memset(zeroed, 0, 4 + 16 * 16);
  std::free(zeroed);
  HostExtraFiles copy(16);
  Table()->getExtraFiles(copy.raw());
  const std::vector<HostExtraFileEntry> in = source.Entries();
  const std::vector<HostExtraFileEntry> out = copy.Entries();
  ASSERT_EQ(out.size(), in.size());
  int highBitsCopied = 0;
  for (size_t i = 0; i < in.size(); ++i) {
    EXPECT_EQ(out[i].flags & 3, in[i].flags & 3) << i;
    EXPECT_EQ(static_cast<const char*>(out[i].name), static_cast<const char*>(in[i].name)) << "shared characters " << i;
    if ((in[i].flags & 0xFC) && (out[i].flags & 0xFC) == (in[i].flags & 0xFC)) ++highBitsCopied;
  }
  EXPECT_LT(highBitsCopied, 4);
  // source node, the module's node and the copy's node (Entries() holds its own copies too).
  const long before = source.list().head->name.GetRefCount();
  HostExtraFiles third(16);
  Table()->getExtraFiles(third.raw());
  EXPECT_EQ(source.list().head->name.GetRefCount(), before + 1);
}

TEST_F(ListPoolTest, SetExtraFilesReadsOnlyHeadAndTheNodes) {
  HostExtraFiles source(4);
  source.Fill(Numbered(3));
  HostExtraFileList saved = source.list();
  HostExtraFileList* raw = source.raw();
  raw->tail = nullptr;
  raw->count = 999;
  raw->freeChain = nullptr;
  raw->nodesPerBlock = 0;
  Table()->setExtraFiles(raw);
  *raw = saved;
  const std::vector<HostExtraFileEntry> entries = ModuleEntries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_STREQ(entries[2].name, "file02.cpp");

  HostExtraFiles empty;
  Table()->setExtraFiles(empty.raw());
  EXPECT_TRUE(ModuleEntries().empty());
}

TEST_F(ListPoolTest, ABlockThatCannotBeAllocatedRaisesAndLeavesTheListConsistent) {
  SetModuleEntries(Numbered(2));
  // 4 + 16 x 0x10000000 does not fit 32 bits; 0x0FFFFFF0 fits but cannot be
  // allocated in a 32-bit process; 0 and negative counts make no block.
  for (std::int32_t nodesPerBlock : {0x10000000, 0x7FFFFFFF, 0x0FFFFFF0, 0, -5}) {
    HostExtraFiles list(nodesPerBlock);
    bool raised = false;
    try {
      Table()->getExtraFiles(list.raw());
    } catch (CMemoryException* e) {
      raised = true;
      e->Delete();
    }
    EXPECT_TRUE(raised) << nodesPerBlock;
    const HostExtraFileList& raw = list.list();
    EXPECT_EQ(raw.head, nullptr);
    EXPECT_EQ(raw.tail, nullptr);
    EXPECT_EQ(raw.count, 0u);
    EXPECT_EQ(raw.blockChain, nullptr);
    EXPECT_EQ(raw.freeChain, nullptr);
    EXPECT_EQ(raw.nodesPerBlock, nodesPerBlock);
  }
  EXPECT_EQ(ModuleEntries().size(), 2u);
}

#if UINTPTR_MAX > 0xFFFFFFFFu
// A 64-bit host may keep count and nodesPerBlock as 32-bit values with
// anything in the upper halves of their words, or use the whole words: the
// module reads the low halves and writes count's word whole.
TEST_F(ListPoolTest, CountAndBlockSizeWordsWorkForBothKindsOf64BitHost) {
  SetModuleEntries(Numbered(3));
  HostExtraFiles list(4);
  HostExtraFileList* raw = list.raw();
  raw->count = 0xA5A5A5A500000000ull;                                    // 0 below garbage
  raw->nodesPerBlock = static_cast<std::intptr_t>(0x5A5A5A5A00000004ull);  // 4 below garbage
  Table()->getExtraFiles(raw);
  EXPECT_EQ(raw->count, 3u);
  const std::vector<HostExtraFileBlock*> blocks = list.Blocks();
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(raw->head, blocks[0]->slot(0));
  EXPECT_EQ(raw->freeChain, blocks[0]->slot(3));
  EXPECT_EQ(blocks[0]->slot(3)->next, nullptr);   // a block of four slots
  raw->nodesPerBlock = 4;

  raw->count |= 0x7777777700000000ull;   // 3 below garbage
  Table()->getExtraFiles(raw);
  EXPECT_EQ(raw->count, 3u);
  EXPECT_EQ(list.Entries().size(), 3u);
}
#endif

}  // namespace
