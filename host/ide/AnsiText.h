#pragma once
// 8-bit text widened as the module and the IDE widen it: through the ANSI
// code page. File names and file text cross from the host's 8-bit strings to
// the IDE's wide ones this way.
#include <string>

#include <vector>

std::wstring AnsiToWide(const std::string& text);

// The lines of a file read with the ANSI code page ("\n" or "\r\n" ends a
// line); false when the file cannot be read.
bool ReadTextFileLines(const std::wstring& fileName, std::vector<std::wstring>& lines);
