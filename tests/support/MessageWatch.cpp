#include "tests/support/MessageWatch.h"

#include <algorithm>
#include <vector>
#include "tests/support/MessageText.h"

namespace {

std::vector<MessageWatch*> g_watches;
HHOOK g_sentHook = nullptr;
HHOOK g_postedHook = nullptr;

void Seen(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Delivery delivery) {
  // A watch may end while a recorded message is handled: walk a copy.
  const std::vector<MessageWatch*> watches = g_watches;
  for (MessageWatch* watch : watches) watch->Seen(window, message, wParam, lParam, delivery);
}

LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    Seen(sent->hwnd, sent->message, sent->wParam, sent->lParam, Delivery::Sent);
  }
  return CallNextHookEx(g_sentHook, code, wParam, lParam);
}

LRESULT CALLBACK PostedHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const MSG* posted = reinterpret_cast<const MSG*>(lParam);
    Seen(posted->hwnd, posted->message, posted->wParam, posted->lParam, Delivery::Posted);
  }
  return CallNextHookEx(g_postedHook, code, wParam, lParam);
}

}  // namespace

MessageWatch::MessageWatch(HWND window, std::string label, Keep keep, CallRecord& record)
    : m_window(window), m_label(std::move(label)), m_keep(std::move(keep)), m_record(record) {
  if (g_watches.empty()) {
    g_sentHook = SetWindowsHookExA(WH_CALLWNDPROC, SentHook, nullptr, GetCurrentThreadId());
    g_postedHook = SetWindowsHookExA(WH_GETMESSAGE, PostedHook, nullptr, GetCurrentThreadId());
  }
  g_watches.push_back(this);
}

MessageWatch::~MessageWatch() {
  g_watches.erase(std::find(g_watches.begin(), g_watches.end(), this));
  if (!g_watches.empty()) return;
  UnhookWindowsHookEx(g_sentHook);
  UnhookWindowsHookEx(g_postedHook);
  g_sentHook = g_postedHook = nullptr;
}

void MessageWatch::Seen(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Delivery delivery) {
  if (window != m_window) return;
  RecordEntry entry{m_label, static_cast<int>(message), MessageName(message),
                    MessageArguments(message, wParam, lParam, delivery == Delivery::Sent), delivery, std::string()};
  if (!m_keep || m_keep(entry)) m_record.Add(std::move(entry));
}
