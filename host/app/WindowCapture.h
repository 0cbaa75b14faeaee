#pragma once
// Saves what a window shows on the screen as a 24-bit BMP file.
#include <windows.h>
#include <string>

// Brings the window to the top, lets it paint and copies its screen area;
// false when the file cannot be written.
bool CaptureWindow(HWND window, const std::string& bmpPath);
