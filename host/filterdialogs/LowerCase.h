#pragma once
// Lower case as the host's filters compare: the system's lower case of each
// byte of the ANSI code page, bytes above 127 included.
#include <string>
#include <string_view>

char LowerAnsiByte(char byte);
// The lower case of every byte, by its unsigned value: for loops over many bytes.
const char* LowerAnsiTable();
std::string LowerAnsi(std::string_view text);
