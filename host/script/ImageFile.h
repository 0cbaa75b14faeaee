#pragma once
// Writes pixels to an image file through the platform's imaging component
// (Windows Imaging Component): PNG for a name ending in .png, BMP for .bmp.
#include <windows.h>
#include <string>

// width x height pixels, 3 bytes each in the order blue, green, red, rows from
// the top, `stride` bytes from one row to the next. False when the extension
// names no format or the file cannot be written: a file it began to write is
// removed, one it could not open (another program holds it) stays as it was.
bool WriteImageFile(const std::string& path, int width, int height, UINT stride, const BYTE* pixels);

// True when the name ends in an extension that WriteImageFile knows.
bool IsImageFileName(const std::string& path);
