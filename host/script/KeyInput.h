#pragma once
// Keys as a person types them, delivered as real messages: a key-down and a
// key-up are posted to the window with the keyboard focus, and the loop takes
// them as the framework's loop does (pre-translation, then translation, which
// makes the key's character, then dispatch). Ctrl is pressed through the
// system's input, so that the key state the module tests (GetAsyncKeyState)
// sees it held; Shift is set in the thread's key state for the translation.
#include <windows.h>
#include <string>

struct KeyStroke {
  UINT vk = 0;
  bool ctrl = false;
  bool shift = false;
};

// "Down", "PageUp", "Ctrl+End", "F5", "Enter", "Escape", "Back", "A"...;
// false for a name it does not know.
bool ParseKeyName(const std::string& name, KeyStroke& key);

// Pumps the thread's messages until none is left, as the framework's loop
// does. False when WM_QUIT arrived.
bool PumpPending();

// Posts the key to target, pumping after each message. Ctrl goes into the
// thread's key state (enough for accelerators) and, with systemCtrl, also
// through the system's input, where every program on the display sees it.
// False when the key did not go through with the system's Ctrl held (the
// window then never got it as a Ctrl key); true otherwise.
bool PostKey(HWND target, const KeyStroke& key, bool systemCtrl = true);
// Types each character of text into target: its key (with Shift when the
// character needs it), or the character alone when no key types it.
void TypeText(HWND target, const std::string& text);
