#pragma once
// Reads and closes the message boxes that appear while it watches (for the
// scripted mode): a thread timer runs inside the message box's own modal
// loop, records the box's text and presses its default button.
#include <windows.h>
#include <string>
#include <vector>

class MessageBoxWatcher {
 public:
  // Looks for boxes every intervalMs milliseconds.
  explicit MessageBoxWatcher(UINT intervalMs = 100);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  // The texts of the boxes closed since the last call.
  std::vector<std::string> TakeTexts();

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK OnThreadWindow(HWND window, LPARAM);

  UINT_PTR m_timer = 0;
  std::vector<std::string> m_texts;
};
