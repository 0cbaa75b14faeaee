// A process that loads the framework only through fwtest_peer.dll, uses the
// string pools, unloads both DLLs and looks at what is left.
//   fwtest_pool_unload        fills the pools and unloads, several times over:
//                             exit code 0 when the heap in use stays flat from
//                             the first unload to the last (the pools' chunks
//                             went back each time), 1 when it grew.
//   fwtest_pool_unload keep   keeps a string made by the framework past the
//                             unload, then reuses the heap: exit code 0 when
//                             the string's characters are intact, 1 if not.
// 2 to 4 when the set-up did not hold (nothing to measure).
#include <windows.h>
#include <malloc.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Bytes in the busy blocks of the heap behind malloc.
long long HeapBytesInUse() {
  HANDLE heap = reinterpret_cast<HANDLE>(_get_heap_handle());
  long long bytes = 0;
  PROCESS_HEAP_ENTRY entry = {};
  HeapLock(heap);
  while (HeapWalk(heap, &entry))
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
  HeapUnlock(heap);
  return bytes;
}

// The framework's string as a caller sees it: a pointer to the characters,
// with the reference count, length and capacity before them.
struct StringArg {
  char* characters;
};
struct StringHeader {
  long references;
  int length;
  int capacity;
};

typedef unsigned (*ChurnStrings)(int);
typedef StringArg (*MakeString)(const char*);

template <typename Function>
Function Find(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

int FlatAcrossUnloads() {
  const int kCycles = 6;
  long long first = 0, last = 0;
  unsigned chunkBytes = 0;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    HMODULE peer = LoadLibraryA("fwtest_peer.dll");
    if (peer == nullptr) return 2;
    ChurnStrings churn = Find<ChurnStrings>(peer, "PeerChurnStrings");
    if (churn == nullptr) return 2;
    chunkBytes = churn(200000);
    FreeLibrary(peer);
    if (chunkBytes < (4u << 20)) return 3;                    // the pools held too little to tell
    if (GetModuleHandleA("framework.dll") != nullptr) return 4;   // the framework did not unload
    last = HeapBytesInUse();
    if (cycle == 0) first = last;
    std::printf("cycle %d: pools held %u bytes; heap in use after unload %lld\n", cycle, chunkBytes, last);
  }
  return last - first < chunkBytes / 8 ? 0 : 1;
}

int KeptPastUnload() {
  HMODULE peer = LoadLibraryA("fwtest_peer.dll");
  if (peer == nullptr) return 2;
  ChurnStrings churn = Find<ChurnStrings>(peer, "PeerChurnStrings");
  MakeString make = Find<MakeString>(peer, "PeerMakeString");
  if (churn == nullptr || make == nullptr) return 2;
  churn(200000);   // several chunks, all free again
  const char* const text = "kept past the unload of the framework";
  const StringArg kept = make(text);
  FreeLibrary(peer);
  if (GetModuleHandleA("framework.dll") != nullptr) return 4;
  // Blocks of a chunk's size (64 KiB), overwritten: a chunk given back to the
  // heap is among them.
  std::vector<void*> blocks;
  for (int i = 0; i < 256; ++i) {
    void* block = std::malloc(64 * 1024);
    if (block != nullptr) std::memset(block, 0xA5, 64 * 1024);
    blocks.push_back(block);
  }
  const StringHeader* header = reinterpret_cast<const StringHeader*>(kept.characters) - 1;
  const int length = static_cast<int>(std::strlen(text));
  const bool intact = header->references == 1 && header->length == length && header->capacity >= length &&
                      std::memcmp(kept.characters, text, static_cast<size_t>(length) + 1) == 0;
  std::printf("kept string after the unload: %s\n", intact ? "intact" : "overwritten");
  for (void* block : blocks) std::free(block);
  return intact ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // The C++ runtime stays loaded throughout, so only the framework comes and goes.
  LoadLibraryA("libgcc_s_dw2-1.dll");
  LoadLibraryA("libstdc++-6.dll");
  if (argc == 2 && std::strcmp(argv[1], "keep") == 0) return KeptPastUnload();
  return FlatAcrossUnloads();
}
