#include "host/script/MessageBoxWatcher.h"

namespace {

std::vector<std::string>* g_texts = nullptr;

// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(window, &text[0], length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(UINT intervalMs) {
  g_texts = &m_texts;
  m_timer = SetTimer(nullptr, 0, intervalMs, &MessageBoxWatcher::OnTimer);
}

MessageBoxWatcher::~MessageBoxWatcher() {
  if (m_timer) KillTimer(nullptr, m_timer);
  g_texts = nullptr;
}

std::vector<std::string> MessageBoxWatcher::TakeTexts() {
  std::vector<std::string> texts;
  texts.swap(m_texts);
  return texts;
}

BOOL CALLBACK MessageBoxWatcher::OnThreadWindow(HWND window, LPARAM) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof(className));
  HWND text = GetDlgItem(window, kMessageTextId);
  if (lstrcmpA(className, "#32770") != 0 || !text || !IsWindowVisible(window)) return TRUE;
  if (g_texts) g_texts->push_back(WindowText(text));
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}

void CALLBACK MessageBoxWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), &MessageBoxWatcher::OnThreadWindow, 0);
}
