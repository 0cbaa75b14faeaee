#pragma once
// Window hooks that put the messages reaching a window into a record while
// the watch lives: sent ones as the window receives them (WH_CALLWNDPROC),
// posted ones as they leave the queue (WH_GETMESSAGE with PM_REMOVE), on the
// test's thread. Several watches share one pair of hooks, so each message is
// recorded once, in the order the windows got them.
#include <windows.h>
#include <functional>
#include <string>
#include "tests/support/ExpectedSequence.h"

class MessageWatch {
 public:
  // Picks the messages worth recording, from their entries.
  typedef std::function<bool(const RecordEntry&)> Keep;

  // label: the entries' source.
  MessageWatch(HWND window, std::string label, Keep keep, CallRecord& record = TheRecord());
  ~MessageWatch();
  MessageWatch(const MessageWatch&) = delete;
  MessageWatch& operator=(const MessageWatch&) = delete;

  // Records the message when it is for this watch's window and kept.
  void Seen(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Delivery delivery);

 private:
  HWND m_window;
  std::string m_label;
  Keep m_keep;
  CallRecord& m_record;
};
