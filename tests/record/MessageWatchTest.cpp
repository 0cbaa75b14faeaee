// The window hooks: sent and posted messages of the watched windows, in the
// order they arrived, each once, named by the SDK's names.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include "tests/support/MessageWatch.h"

namespace {

HWND Popup() {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

bool KeysAndOurs(const RecordEntry& entry) {
  return entry.slot == WM_KEYDOWN || entry.slot == WM_NOTIFY || entry.slot == WM_SETTEXT || entry.slot >= WM_USER;
}

// A posted message is recorded when it leaves the queue, after the sends
// made before the pump.
const Expected kArrived[] = {
    {"watched", WM_KEYDOWN, "WM_KEYDOWN", "VK_DOWN", Delivery::Sent},
    {"other", WM_KEYDOWN, "WM_KEYDOWN", "VK_F5", Delivery::Sent},
    {"watched", WM_NOTIFY, "WM_NOTIFY", "NM_CHAR from 1021", Delivery::Sent},
    {"watched", WM_NOTIFY, "WM_NOTIFY", "-1234 from 7", Delivery::Sent},
    {"watched", WM_SETTEXT, "WM_SETTEXT", "\"text\"", Delivery::Sent},
    {"watched", WM_KEYDOWN, "WM_KEYDOWN", "'L'", Delivery::Posted},
    {"watched", WM_USER + 1, "WM_USER+1", "1052, 0", Delivery::Posted},
    {"watched", WM_APP + 2, "WM_APP+2", "7, -1", Delivery::Posted},
};

TEST(MessageWatch, RecordsTheWatchedWindowsMessagesOnceEachAsSentOrPosted) {
  HWND watched = Popup();
  HWND other = Popup();
  HWND unwatched = Popup();
  TheRecord().Clear();
  {
    MessageWatch watch(watched, "watched", KeysAndOurs);
    MessageWatch second(other, "other", KeysAndOurs);   // the same pair of hooks
    SendMessageA(watched, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(watched, WM_KEYDOWN, 'L', 0);
    SendMessageA(other, WM_KEYDOWN, VK_F5, 0);
    SendMessageA(unwatched, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(watched, WM_KEYUP, VK_DOWN, 0);   // not kept
    NMHDR header = {other, 1021, NM_CHAR};
    SendMessageA(watched, WM_NOTIFY, 1021, reinterpret_cast<LPARAM>(&header));
    header = {other, 7, static_cast<UINT>(-1234)};
    SendMessageA(watched, WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header));
    SendMessageA(watched, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("text"));
    PostMessageA(watched, WM_USER + 1, 1052, 0);
    PostMessageA(watched, WM_APP + 2, 7, -1);
    Pump();
  }
  SendMessageA(watched, WM_KEYDOWN, VK_HOME, 0);   // the watches have ended
  EXPECT_TRUE(SequenceIs(TheRecord().Entries(), kArrived));
  DestroyWindow(watched);
  DestroyWindow(other);
  DestroyWindow(unwatched);
}

}  // namespace
