// A process that loads the framework only through fwtest_peer.dll, fills the
// string pools, unloads both DLLs and looks at the C runtime's heap, several
// times over. Exit code 0 when the heap in use stays flat from the first
// unload to the last (the pools' chunks went back each time); 1 when it grew;
// 2 to 4 when the set-up did not hold (nothing to measure).
#include <windows.h>
#include <malloc.h>
#include <cstdio>

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

}  // namespace

int main() {
  // The C++ runtime stays loaded throughout, so only the framework comes and goes.
  LoadLibraryA("libgcc_s_dw2-1.dll");
  LoadLibraryA("libstdc++-6.dll");
  const int kCycles = 6;
  long long first = 0, last = 0;
  unsigned chunkBytes = 0;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    HMODULE peer = LoadLibraryA("fwtest_peer.dll");
    if (peer == nullptr) return 2;
    typedef unsigned (*Churn)(int);
    Churn churn = reinterpret_cast<Churn>(reinterpret_cast<void*>(GetProcAddress(peer, "PeerChurnStrings")));
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
