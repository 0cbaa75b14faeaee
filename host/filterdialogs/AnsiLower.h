#pragma once
// Lower case as the host's filters compare: the system's lower case of each
// byte of the ANSI code page, bytes above 127 included.
#include <string>
#include <string_view>

char AnsiLowerByte(char byte);
std::string AnsiLower(std::string_view text);
