// Strings: what a million names cost as CStrings, whose buffers come from the
// framework's size-class pools, against the same buffers (header, characters,
// terminator) taken one by one from the heap, as every CString took them
// before the pools. Memory is what the heap behind malloc has in busy blocks
// (data and the heap's own overhead, the pools' chunks included); time is
// making every string and releasing them all again. This group runs first,
// while the pools and the heap hold little from earlier groups.
#include <windows.h>
#include <malloc.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/Groups.h"
#include "fw/StringPool.h"

namespace bench {

namespace {

// Busy bytes of the heap behind malloc, with the heap's overhead for each block.
long long HeapBytesInUse() {
  HANDLE heap = reinterpret_cast<HANDLE>(_get_heap_handle());
  long long bytes = 0;
  PROCESS_HEAP_ENTRY entry = {};
  HeapLock(heap);
  while (HeapWalk(heap, &entry))
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData + entry.cbOverhead;
  HeapUnlock(heap);
  return bytes;
}

// The names as the extra-files bench has them, back to back with their terminators.
struct Names {
  std::vector<char> text;
  std::vector<unsigned> start;
  std::vector<int> length;
  explicit Names(int n) {
    char name[32];
    for (int i = 0; i < n; ++i) {
      const int count = snprintf(name, sizeof name, "src\\dir\\file%06d.cpp", i);
      start.push_back(static_cast<unsigned>(text.size()));
      length.push_back(count);
      text.insert(text.end(), name, name + count + 1);
    }
  }
  const char* At(int i) const { return &text[start[i]]; }
};

// What a CString buffer held before the pools: one heap block of header,
// characters and terminator.
void* HeapBuffer(const char* name, int length) {
  CStringData* data = static_cast<CStringData*>(std::malloc(sizeof(CStringData) + length + 1));
  data->nRefs = 1;
  data->nDataLength = length;
  data->nAllocLength = length;
  std::memcpy(data->data(), name, static_cast<size_t>(length) + 1);
  return data;
}

}  // namespace

void RunStringBench(const Options& options, Table& table) {
  const int n = options.quick ? 100000 : 1000000;
  const int runs = options.Runs(7);
  const Names names(n);
  std::vector<CString> strings(n);
  std::vector<void*> blocks(n);

  long long before = HeapBytesInUse();
  for (int i = 0; i < n; ++i) blocks[i] = HeapBuffer(names.At(i), names.length[i]);
  const double heapBytes = double(HeapBytesInUse() - before) / n;
  for (void*& block : blocks) std::free(block);

  before = HeapBytesInUse();
  for (int i = 0; i < n; ++i) strings[i] = CString(names.At(i), names.length[i]);
  const double pooledBytes = double(HeapBytesInUse() - before) / n;
  CStringPoolStatistics pools;
  AfxGetStringPoolStatistics(pools);
  for (CString& s : strings) s.Empty();
  fprintf(stderr, "strings %d: heap %.1f bytes/name, pooled %.1f bytes/name (%u chunks, %u bytes in blocks)\n", n,
          heapBytes, pooledBytes, pools.chunks, pools.bytesInUse);

  const double heapTime = MedianSeconds(runs, [&] {
    for (int i = 0; i < n; ++i) blocks[i] = HeapBuffer(names.At(i), names.length[i]);
    for (void*& block : blocks) std::free(block);
  });
  const double pooledTime = MedianSeconds(runs, [&] {
    for (int i = 0; i < n; ++i) strings[i] = CString(names.At(i), names.length[i]);
    for (CString& s : strings) s.Empty();
  });

  Row memory = MakeRow("names as CStrings: heap bytes per name (pooled vs heap)", Count(n) + " names", "bytes",
                       pooledBytes, heapBytes);
  memory.target = "<= 1.0x heap";
  memory.verdict = pooledBytes <= heapBytes ? Verdict::Pass : Verdict::Miss;
  table.Add(memory);
  table.Add(MakeRow("  string made and released per name (pooled vs heap)", Count(n) + " names", "ns",
                    pooledTime * 1e9 / n, heapTime * 1e9 / n));
}

}  // namespace bench
