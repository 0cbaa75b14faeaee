#pragma once
// How the record writes a window message: its name and its arguments, by the
// SDK's names where a table here has them.
#include <windows.h>
#include <string>

// "WM_KEYDOWN", "WM_USER+1", "WM_APP+2", or the number in hex.
std::string MessageName(UINT message);
// "VK_DOWN", "'L'", or the number in hex.
std::string KeyName(WPARAM key);
// "0x3B": a flag set or a handle, whole.
std::string HexText(unsigned long long value);
// "wParam 0x70, lParam 0x3B0001": a message's parameters exactly, each as the
// unsigned number of its width.
std::string RawArguments(WPARAM wParam, LPARAM lParam);
// The arguments as the record writes them: a key's name, a character, a
// notification's code and sender ("NM_CHAR from 1021"), a text in quotes,
// else wParam and lParam in decimal. lParam is followed as a pointer only
// for a sent message (`sent`): a posted one's may be gone.
std::string MessageArguments(UINT message, WPARAM wParam, LPARAM lParam, bool sent);
