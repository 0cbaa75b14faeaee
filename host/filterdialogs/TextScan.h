#pragma once
// Finding a needle in many short texts kept one after another, each followed
// by a zero byte. A block of bytes at a time (16 with SSE2, 8 in a plain
// 64-bit word without it) gives a mask, one bit per byte, of the places
// where two chosen bytes of the needle both match: a block without one costs
// a few instructions, and only the places it names are compared in full.
#include <cstddef>
#include <cstring>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace textscan {

using Mask = unsigned;

// Whether the needle's bytes are at text.
inline bool SameBytes(const char* text, std::string_view needle) {
  for (size_t i = 0; i < needle.size(); ++i) {
    if (text[i] != needle[i]) return false;
  }
  return true;
}

// Whether the text holds the needle (compared byte for byte; an empty needle is everywhere).
inline bool Contains(std::string_view text, std::string_view needle) {
  if (needle.empty()) return true;
  if (needle.size() > text.size()) return false;
  const size_t last = text.size() - needle.size();
  for (size_t at = 0; at <= last; ++at) {
    if (text[at] == needle[0] && SameBytes(text.data() + at, needle)) return true;
  }
  return false;
}

#if defined(__SSE2__)
constexpr size_t kBlock = 16;
struct BytePattern {
  explicit BytePattern(char byte) : all(_mm_set1_epi8(byte)) {}
  __m128i all;
};
inline Mask Matching(const char* at, const BytePattern& pattern) {
  __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
  return static_cast<Mask>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, pattern.all)));
}
#else
constexpr size_t kBlock = 8;
struct BytePattern {
  explicit BytePattern(char byte) : all(0x0101010101010101ull * static_cast<unsigned char>(byte)) {}
  unsigned long long all;
};
inline Mask Matching(const char* at, const BytePattern& pattern) {
  const unsigned long long low7 = 0x7F7F7F7F7F7F7F7Full;
  unsigned long long word;
  memcpy(&word, at, sizeof(word));
  word ^= pattern.all;
  // The high bit of each byte that is now zero (exactly, no carries between bytes) ...
  unsigned long long zero = ~(((word & low7) + low7) | word | low7);
  // ... gathered into the low eight bits, byte i to bit i.
  return static_cast<Mask>(((zero >> 7) * 0x0102040810204080ull) >> 56);
}
#endif

// Calls resume = found(at) for the first place `at` in [data, data + size)
// where the needle is, then goes on looking from `resume` (after `at`): the
// caller skips the rest of a text it has counted. The needle is not empty;
// a and b are two of its positions (the rarest bytes), 0 and size - 1 when
// it is shorter than three.
template <typename Found>
void ScanTexts(const char* data, size_t size, std::string_view needle, size_t a, size_t b, Found found) {
  const BytePattern first(needle[a]), second(needle[b]);
  // Two bytes that match are the whole needle when it has no more.
  const bool exact = needle.size() <= 2;
  const size_t length = needle.size();
  size_t pos = 0;
  // Whole blocks while every byte a candidate can need lies inside.
  while (pos + kBlock + length - 1 <= size) {
    Mask starts = Matching(data + pos + a, first);
    if (a != b) starts &= Matching(data + pos + b, second);
    if (!starts) {
      pos += kBlock;
      continue;
    }
    size_t at = pos + static_cast<size_t>(__builtin_ctz(starts));
    pos = exact || SameBytes(data + at, needle) ? found(at) : at + 1;
  }
  for (; pos + length <= size; ++pos) {
    if (data[pos] == needle[0] && SameBytes(data + pos, needle)) pos = found(pos) - 1;
  }
}

}  // namespace textscan
