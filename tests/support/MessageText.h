#pragma once
// How the record writes a window message: its name and its arguments, by the
// SDK's names where a table here has them.
#include <windows.h>
#include <string>

// "WM_KEYDOWN", "WM_USER+1", "WM_APP+2", or the number in hex.
std::string MessageName(UINT message);
// "VK_DOWN", "'L'", or the number in hex.
std::string KeyName(WPARAM key);
// The arguments as the record writes them: a key's name, a character, a
// notification's code and sender ("NM_CHAR from 1021"), a text in quotes,
// else wParam and lParam in decimal. lParam is followed as a pointer only
// for a sent message (`sent`): a posted one's may be gone.
std::string MessageArguments(UINT message, WPARAM wParam, LPARAM lParam, bool sent);
