#pragma once
// Texts searched and compared in loops of our own: the C runtime's memchr,
// strlen and strcmp are calls into a DLL and byte loops on some platforms
// (Wine's msvcrt among them), and a tags file of hundreds of megabytes is
// searched for every tab and line end, its names compared millions of times.
#include <cstdint>
#include <cstring>

// The first c in [p, end), or end.
inline const char* FindByte(const char* p, const char* end, char c) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kHighs = 0x8080808080808080ull;
  const uint64_t pattern = kOnes * static_cast<unsigned char>(c);
  while (end - p >= 8) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    // A zero byte of word ^ pattern is a c; the lowest flagged byte is the first.
    uint64_t x = word ^ pattern;
    uint64_t found = (x - kOnes) & ~x & kHighs;
    if (found) return p + (__builtin_ctzll(found) >> 3);
    p += 8;
  }
  while (p < end && *p != c) ++p;
  return p;
}

// The first a or b in [p, end), or end.
inline const char* FindEither(const char* p, const char* end, char a, char b) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kHighs = 0x8080808080808080ull;
  const uint64_t patternA = kOnes * static_cast<unsigned char>(a);
  const uint64_t patternB = kOnes * static_cast<unsigned char>(b);
  while (end - p >= 8) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    uint64_t x = word ^ patternA, y = word ^ patternB;
    uint64_t found = ((x - kOnes) & ~x & kHighs) | ((y - kOnes) & ~y & kHighs);
    if (found) return p + (__builtin_ctzll(found) >> 3);
    p += 8;
  }
  while (p < end && *p != a && *p != b) ++p;
  return p;
}

// Copies size bytes, eight at a time where it can (a text of a few dozen
// bytes: a call into the runtime's memcpy costs more than the copy).
inline void CopyBytes(char* out, const char* in, size_t size) {
  for (; size >= 8; size -= 8, in += 8, out += 8) {
    uint64_t word;
    std::memcpy(&word, in, 8);
    std::memcpy(out, &word, 8);
  }
  for (; size > 0; --size) *out++ = *in++;
}

// True when the texts are the same.
inline bool SameBytes(const char* a, const char* b, size_t size) {
  for (; size >= 8; size -= 8, a += 8, b += 8) {
    uint64_t x, y;
    std::memcpy(&x, a, 8);
    std::memcpy(&y, b, 8);
    if (x != y) return false;
  }
  for (; size > 0; --size) {
    if (*a++ != *b++) return false;
  }
  return true;
}

// The length of a text that ends in a zero (short texts: a plain loop).
inline size_t TextLength(const char* text) {
  const char* p = text;
  while (*p) ++p;
  return static_cast<size_t>(p - text);
}

// strcmp's order of two texts that end in a zero.
inline int CompareTexts(const char* a, const char* b) {
  while (*a && *a == *b) ++a, ++b;
  unsigned char x = static_cast<unsigned char>(*a), y = static_cast<unsigned char>(*b);
  return x < y ? -1 : x > y ? 1 : 0;
}

// strcmp's order of a text that ends in a zero against size characters.
inline int CompareText(const char* text, const char* other, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    unsigned char a = static_cast<unsigned char>(text[i]), b = static_cast<unsigned char>(other[i]);
    if (a != b || a == 0) return a < b ? -1 : a > b ? 1 : 0;
  }
  return text[size] == '\0' ? 0 : 1;
}
