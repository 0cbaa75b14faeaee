#pragma once
// A lock for work of a few instructions, such as taking a block off a free
// list: one atomic exchange takes it and a plain store lets it go, with no
// call into the system. A waiter spins briefly, then gives up its time slice
// so that a holder that was preempted can finish. Zero-initialised means
// free, so a static one needs no constructor to run.
#include <windows.h>
#include <atomic>

namespace fw {

class SpinLock {
 public:
  void Lock() {
    unsigned spins = 0;
    while (m_held.exchange(1, std::memory_order_acquire) != 0) {
      while (m_held.load(std::memory_order_relaxed) != 0) {
        if (++spins < 100)
          YieldProcessor();
        else
          SwitchToThread();
      }
    }
  }
  void Unlock() { m_held.store(0, std::memory_order_release); }

 private:
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

}  // namespace fw
