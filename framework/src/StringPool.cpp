// Size-class pools for CString buffers.
//
// A buffer of up to kClassBytes' last entry (header, characters and
// terminator) comes from the smallest class that holds it. Each class keeps
// its freed blocks on a list of its own and reuses them first; a class with
// none carves a new block from the current chunk, a 64 KiB piece of the heap
// shared by all classes. Blocks never go back to the heap one by one: chunks
// go back together when the DLL unloads, if no string still uses one. Longer
// buffers are one heap block each, as every buffer was before the pools: this
// keeps a growing string's doubling cheap and no pool holds on to large memory.
//
// The classes step by 8 bytes up to 64, then by 16, 32 and 64, and a last
// step to a block of 512 characters: a buffer wastes at most 7 bytes below 64
// (the heap's own rounding and block header cost 8 to 15 there), and the
// steps widen in proportion above.
//
// Host threads may create and release strings concurrently: each class has a
// lock for its free list, and carving takes the chunk lock inside it (never
// the other way round). Both are spin locks held for a few instructions; the
// system's locks cost a call each way, which is what the pools save.
//
// ExitProcess stops the other threads wherever they are, perhaps holding one
// of these locks, and then detaches the DLLs, whose static strings are
// released. A lock that cannot be had then is never waited for: the class's
// free list or the chunk may be half changed, so they are left alone (see
// AllocateStringBlock, Carve and FreeStringBlock).
#include "StringPool.h"

#include <windows.h>
#include <array>
#include <cstdlib>

#include "SpinLock.h"
#include "fw/StringData.h"
#include "fw/StringPool.h"

namespace fw {
namespace {

constexpr unsigned kClassBytes[] = {16,  24,  32,  40,  48,  56,  64,  80,  96,  112,
                                    128, 160, 192, 224, 256, 320, 384, 448, 528};
constexpr int kClassCount = sizeof kClassBytes / sizeof kClassBytes[0];
constexpr unsigned kLargestBlock = kClassBytes[kClassCount - 1];
// Bytes of a buffer besides its characters: the header and the terminator.
constexpr unsigned kOverhead = sizeof(CStringData) + 1;
constexpr int kLargestPooled = static_cast<int>(kLargestBlock - kOverhead);
constexpr unsigned kGranule = 8;   // block sizes and alignment
constexpr unsigned kChunkBytes = 64 * 1024;

static_assert(kLargestPooled >= 512, "buffers of up to 512 characters are pooled");

// The class of every block size in granules, so that finding a class is one look-up.
constexpr std::array<unsigned char, kLargestBlock / kGranule + 1> MakeClassOfGranules() {
  std::array<unsigned char, kLargestBlock / kGranule + 1> table{};
  int cls = 0;
  for (unsigned granules = 0; granules < table.size(); ++granules) {
    while (kClassBytes[cls] < granules * kGranule) ++cls;
    table[granules] = static_cast<unsigned char>(cls);
  }
  return table;
}
constexpr auto kClassOfGranules = MakeClassOfGranules();

// Index of the smallest class whose blocks hold capacity characters.
int ClassOf(int capacity) {
  return kClassOfGranules[(static_cast<unsigned>(capacity) + kOverhead + kGranule - 1) / kGranule];
}

struct FreeBlock {
  FreeBlock* next;
};

struct SizeClass {
  SpinLock lock;
  FreeBlock* freeList = nullptr;
  unsigned inUse = 0;
};

// A chunk starts with this header, padded to the block alignment; blocks follow.
struct alignas(kGranule) Chunk {
  Chunk* next;
};

struct Pools {
  SizeClass classes[kClassCount];
  SpinLock chunkLock;
  Chunk* chunks = nullptr;   // newest first
  unsigned chunkCount = 0;
  char* carve = nullptr;     // next free byte of the newest chunk
  char* carveEnd = nullptr;
  bool released = false;     // the DLL is unloading: everything goes to the heap
};

// Initialised as the DLL is mapped, before any static constructor can make a string.
Pools g_pools;
LONG g_heapBlocks = 0;

// A new block of the given size from the newest chunk, or from a new chunk
// when the rest of the newest is too short (that rest stays unused). At
// shutdown with the chunk lock held by a stopped thread, a heap block of the
// size: it serves, and joins the free list when released, as a carved one.
void* Carve(unsigned bytes) {
  SpinLockedUnlessShuttingDown lock(g_pools.chunkLock);
  if (!lock.Held()) return std::malloc(bytes);
  if (static_cast<unsigned>(g_pools.carveEnd - g_pools.carve) < bytes) {
    Chunk* chunk = static_cast<Chunk*>(std::malloc(kChunkBytes));
    if (chunk == nullptr) return nullptr;
    chunk->next = g_pools.chunks;
    g_pools.chunks = chunk;
    ++g_pools.chunkCount;
    g_pools.carve = reinterpret_cast<char*>(chunk + 1);
    g_pools.carveEnd = reinterpret_cast<char*>(chunk) + kChunkBytes;
  }
  void* block = g_pools.carve;
  g_pools.carve += bytes;
  return block;
}

void* AllocateFromHeap(int capacity) {
  void* block = std::malloc(static_cast<size_t>(capacity) + kOverhead);
  if (block != nullptr) InterlockedIncrement(&g_heapBlocks);
  return block;
}

}  // namespace

void* AllocateStringBlock(int& capacity) {
  if (capacity > kLargestPooled) return AllocateFromHeap(capacity);
  const int index = ClassOf(capacity);
  const int classCapacity = static_cast<int>(kClassBytes[index] - kOverhead);
  SizeClass& cls = g_pools.classes[index];
  void* block = nullptr;
  bool held;
  bool released = false;
  {
    SpinLockedUnlessShuttingDown lock(cls.lock);
    held = lock.Held();
    if (held) released = g_pools.released;
    if (held && !released) {
      if (cls.freeList != nullptr) {
        block = cls.freeList;
        cls.freeList = cls.freeList->next;
      } else {
        block = Carve(kClassBytes[index]);
      }
      if (block != nullptr) ++cls.inUse;
    }
  }
  if (!held) {
    // Shutting down, and a stopped thread holds the class's lock: a heap
    // block of the class's size, as safe on the class's free list as any of
    // its blocks. It is not counted in use: the lock stays held, so its
    // release leaves it alone too.
    block = std::malloc(kClassBytes[index]);
  } else if (released) {
    block = AllocateFromHeap(classCapacity);
  }
  if (block != nullptr) capacity = classCapacity;
  return block;
}

void FreeStringBlock(void* block, int capacity) {
  if (block == nullptr) return;
  if (capacity > kLargestPooled) {
    InterlockedDecrement(&g_heapBlocks);
    std::free(block);
    return;
  }
  SizeClass& cls = g_pools.classes[ClassOf(capacity)];
  SpinLockedUnlessShuttingDown lock(cls.lock);
  // Shutting down with the lock held by a stopped thread: the block is not
  // touched, and the system takes its memory back with the process.
  if (!lock.Held()) return;
  // After the release a short buffer may be a pooled block whose chunk is
  // gone or a heap block made since; neither can be told apart, so both stay.
  if (g_pools.released) return;
  FreeBlock* freed = static_cast<FreeBlock*>(block);
  freed->next = cls.freeList;
  cls.freeList = freed;
  --cls.inUse;
}

void ReleaseStringPools() {
  for (SizeClass& cls : g_pools.classes) cls.lock.Lock();
  g_pools.chunkLock.Lock();
  unsigned inUse = 0;
  for (const SizeClass& cls : g_pools.classes) inUse += cls.inUse;
  // A string still alive (a program kept its characters past the unload)
  // lives in a chunk, and freeing the chunks would pull its characters from
  // under it: then the chunks are kept, and the system takes their memory
  // back with the process. They are only given back with every block free.
  if (inUse == 0) {
    while (g_pools.chunks != nullptr) {
      Chunk* next = g_pools.chunks->next;
      std::free(g_pools.chunks);
      g_pools.chunks = next;
    }
    g_pools.chunkCount = 0;
  }
  g_pools.carve = g_pools.carveEnd = nullptr;
  for (SizeClass& cls : g_pools.classes) cls.freeList = nullptr;
  g_pools.released = true;
  g_pools.chunkLock.Unlock();
  for (SizeClass& cls : g_pools.classes) cls.lock.Unlock();
}

}  // namespace fw

void AfxGetStringPoolStatistics(CStringPoolStatistics& statistics) {
  using namespace fw;
  statistics = CStringPoolStatistics();
  for (int i = 0; i < kClassCount; ++i) {
    SizeClass& cls = g_pools.classes[i];
    SpinLocked lock(cls.lock);
    statistics.blocksInUse += cls.inUse;
    statistics.bytesInUse += cls.inUse * kClassBytes[i];
  }
  {
    SpinLocked lock(g_pools.chunkLock);
    statistics.chunks = g_pools.chunkCount;
    statistics.chunkBytes = g_pools.chunkCount * kChunkBytes;
  }
  statistics.heapBlocks = static_cast<unsigned>(InterlockedCompareExchange(&g_heapBlocks, 0, 0));
  statistics.largestPooled = kLargestPooled;
}
