#pragma once
#include "fw/Export.h"

// What the string pools hold at one moment, for tests and diagnostics. Short
// CString buffers come from size-class pools in the framework DLL, carved from
// chunks taken from the C runtime's heap; long ones come from the heap.
struct CStringPoolStatistics {
  unsigned chunks;         // chunks taken from the heap
  unsigned chunkBytes;     // their bytes
  unsigned blocksInUse;    // pooled buffers held by live strings
  unsigned bytesInUse;     // their bytes (header, characters, terminator, rounding)
  unsigned heapBlocks;     // buffers of long strings, each from the heap
  int largestPooled;       // most characters a pooled buffer holds
};

FW_API void AfxGetStringPoolStatistics(CStringPoolStatistics& statistics);
