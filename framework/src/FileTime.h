#pragma once
#include <windows.h>

namespace fw {

// Seconds since 1970-01-01 UTC from a Windows file time (0 stays 0: not known).
inline long long FileTimeToSeconds(const FILETIME& time) {
  unsigned long long ticks = (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  if (ticks == 0) return 0;
  return static_cast<long long>(ticks / 10000000ULL) - 11644473600LL;
}

// The Windows file time of a whole second since 1970-01-01 UTC.
inline FILETIME SecondsToFileTime(long long seconds) {
  if (seconds < -11644473600LL) seconds = -11644473600LL;   // before 1601: the earliest time
  unsigned long long ticks = static_cast<unsigned long long>(seconds + 11644473600LL) * 10000000ULL;
  FILETIME time;
  time.dwLowDateTime = static_cast<DWORD>(ticks);
  time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return time;
}

}  // namespace fw
