#pragma once
// 8-bit text widened as the module and the IDE widen it: through the ANSI
// code page. File names and file text cross from the host's 8-bit strings to
// the IDE's wide ones this way.
#include <string>

std::wstring AnsiToWide(const std::string& text);
