#pragma once
// Plays the user at a message box: a second thread finds every standard
// dialog box (#32770) of this process, reads its static text and presses OK.
#include <windows.h>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class MessageBoxWatcher {
 public:
  MessageBoxWatcher();
  ~MessageBoxWatcher();   // Stop()
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  // Ends the watching thread; boxes that appear afterwards stay open.
  void Stop();
  // The text of each box closed so far, in order.
  std::vector<std::string> Texts();

 private:
  void Watch();
  std::atomic<bool> m_stop{false};
  std::mutex m_mutex;
  std::vector<std::string> m_texts;
  std::vector<HWND> m_closed;
  std::thread m_thread;
};
