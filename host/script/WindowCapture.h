#pragma once
// Saves what a window shows on the screen as an image file (PNG or BMP, by
// the file name's extension; see ImageFile.h).
#include <windows.h>
#include <string>

// Brings the window to the top, lets it paint and copies its screen area;
// false when the file cannot be written.
bool CaptureWindow(HWND window, const std::string& imagePath);
