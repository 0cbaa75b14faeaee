#pragma once
// This process's memory as the system counts it: the working set (the pages
// it has in memory, its code included) and the private bytes (what it
// allocated for itself), each now and at its peak so far.
#include <cstddef>
#include <string>

struct ProcessMemory {
  size_t workingSet = 0;
  size_t peakWorkingSet = 0;
  size_t privateBytes = 0;
  size_t peakPrivateBytes = 0;

  // False when the system would not say.
  static bool Read(ProcessMemory& memory);
  // "peak working set 410 MB, working set 380 MB, private bytes 350 MB (peak 360 MB)"
  std::string Describe() const;
};
