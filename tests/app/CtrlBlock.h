#pragma once
// While one lives, no Ctrl press of the system's input reaches the desktop (a
// low-level keyboard hook swallows it), so a key that needs the system's Ctrl
// held can never get it. The hook runs on the thread that made the block:
// that thread must handle its messages meanwhile.
#include <windows.h>

class CtrlBlock {
 public:
  CtrlBlock();
  ~CtrlBlock();
  CtrlBlock(const CtrlBlock&) = delete;
  CtrlBlock& operator=(const CtrlBlock&) = delete;
  bool active() const { return m_hook != nullptr; }

 private:
  HHOOK m_hook;
};
