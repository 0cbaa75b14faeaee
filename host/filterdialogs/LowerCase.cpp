#include "host/filterdialogs/LowerCase.h"
#include <windows.h>
#include <array>

namespace {

// The system's lower case of every byte, asked once: asking per key would
// cost a call into the system for each of a million keys.
const std::array<char, 256>& LowerTable() {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> lower;
    for (int i = 0; i < 256; ++i) lower[i] = static_cast<char>(i);
    CharLowerBuffA(lower.data() + 1, 255);   // byte 0 would end the text
    return lower;
  }();
  return table;
}

}  // namespace

const char* LowerAnsiTable() { return LowerTable().data(); }

char LowerAnsiByte(char byte) { return LowerTable()[static_cast<unsigned char>(byte)]; }

std::string LowerAnsi(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) ch = LowerAnsiByte(ch);
  return lower;
}
