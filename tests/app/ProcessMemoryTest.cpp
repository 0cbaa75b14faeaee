// The host's own memory figures, which the bench reads: 64 MiB committed and
// touched show in both the working set and the private bytes.
#include <gtest/gtest.h>
#include <windows.h>
#include "host/app/ProcessMemory.h"

namespace {

TEST(ProcessMemory, MemoryTouchedShowsInTheWorkingSetAndThePrivateBytes) {
  constexpr size_t kBytes = size_t{64} << 20;
  ProcessMemory before, after;
  ASSERT_TRUE(ProcessMemory::Read(before));
  char* block = static_cast<char*>(VirtualAlloc(nullptr, kBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  ASSERT_NE(block, nullptr);
  for (size_t at = 0; at < kBytes; at += 4096) block[at] = 1;
  ASSERT_TRUE(ProcessMemory::Read(after));
  VirtualFree(block, 0, MEM_RELEASE);

  EXPECT_GE(after.workingSet, before.workingSet + kBytes * 3 / 4);
  EXPECT_GE(after.privateBytes, before.privateBytes + kBytes * 3 / 4);
  EXPECT_GE(after.peakWorkingSet, after.workingSet);
  EXPECT_GE(after.peakPrivateBytes, after.privateBytes);
  EXPECT_NE(after.Describe().find("private bytes "), std::string::npos);
}

}  // namespace
