#pragma once
// A lock for work of a few instructions, such as taking a block off a free
// list: one atomic exchange takes it and a plain store lets it go, with no
// call into the system. A waiter spins briefly, then gives up its time slice
// so that a holder that was preempted can finish. Zero-initialised means
// free, so a static one needs no constructor to run.
#include <windows.h>
#include <atomic>

#include "ProcessShutdown.h"

namespace fw {

class SpinLock {
 public:
  void Lock() {
    if (!TryLock()) Wait(false);
  }

  // Takes the lock like Lock, but when it is held while the process is
  // shutting down, returns false at once: the holder was stopped by
  // ExitProcess and never lets go, and waiting would hang the exit. Outside
  // shutdown it waits exactly as Lock does.
  bool LockUnlessShuttingDown() { return TryLock() || Wait(true); }

  void Unlock() { m_held.store(0, std::memory_order_release); }

 private:
  bool TryLock() { return m_held.exchange(1, std::memory_order_acquire) == 0; }

  // Waits until the lock is taken (true), or, when giveUpAtShutdown, until
  // the process is found shutting down (false).
  bool Wait(bool giveUpAtShutdown) {
    unsigned spins = 0;
    do {
      if (giveUpAtShutdown && ProcessIsShuttingDown()) return false;
      while (m_held.load(std::memory_order_relaxed) != 0) {
        if (++spins < 100) {
          YieldProcessor();
        } else {
          if (giveUpAtShutdown && ProcessIsShuttingDown()) return false;
          SwitchToThread();
        }
      }
    } while (!TryLock());
    return true;
  }

  std::atomic<LONG> m_held{0};   // 1 while held
};

// Holds a SpinLock for the length of a scope.
class SpinLocked {
 public:
  explicit SpinLocked(SpinLock& lock) : m_lock(lock) { m_lock.Lock(); }
  ~SpinLocked() { m_lock.Unlock(); }
  SpinLocked(const SpinLocked&) = delete;
  SpinLocked& operator=(const SpinLocked&) = delete;

 private:
  SpinLock& m_lock;
};

// Holds a SpinLock for the length of a scope unless the process is shutting
// down while a stopped thread holds it (SpinLock::LockUnlessShuttingDown).
class SpinLockedUnlessShuttingDown {
 public:
  explicit SpinLockedUnlessShuttingDown(SpinLock& lock) : m_lock(lock), m_held(lock.LockUnlessShuttingDown()) {}
  ~SpinLockedUnlessShuttingDown() {
    if (m_held) m_lock.Unlock();
  }
  SpinLockedUnlessShuttingDown(const SpinLockedUnlessShuttingDown&) = delete;
  SpinLockedUnlessShuttingDown& operator=(const SpinLockedUnlessShuttingDown&) = delete;
  bool Held() const { return m_held; }

 private:
  SpinLock& m_lock;
  const bool m_held;
};

}  // namespace fw
