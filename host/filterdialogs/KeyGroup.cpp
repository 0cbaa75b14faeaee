#include "host/filterdialogs/KeyGroup.h"
#include <algorithm>
#include <cstring>
#include <utility>
#include "host/filterdialogs/LowerCase.h"
#include "host/filterdialogs/TextScan.h"

namespace {

// Rows whose texts hash alike share an entry when their texts are the same:
// a table of this many places (128 KiB, within the processor's cache) finds
// most repeats of a scope among a million tags without growing with them.
constexpr int kRecentBits = 14;

// The bytes with a bit of their own in a text's bits: what names and paths
// are made of. Every other byte shares the last bit.
constexpr char kOwnBitBytes[] = "abcdefghijklmnopqrstuvwxyz_:.\\";
constexpr int kSharedBit = 31;
static_assert(sizeof(kOwnBitBytes) - 1 <= kSharedBit, "one bit for each byte, and the shared one");

struct ByteBits {
  ByteBits() {
    for (int byte = 0; byte < 256; ++byte) bitOf[byte] = kSharedBit;
    for (int i = 0; kOwnBitBytes[i]; ++i) bitOf[static_cast<unsigned char>(kOwnBitBytes[i])] = static_cast<uint8_t>(i);
  }
  uint8_t bitOf[256];
};
const ByteBits kByteBits;

}  // namespace

uint32_t KeyGroup::ByteBit(unsigned char byte) { return uint32_t{1} << kByteBits.bitOf[byte]; }

bool KeyGroup::HasOwnBit(unsigned char byte) { return kByteBits.bitOf[byte] != kSharedBit; }

KeyGroup::KeyGroup(size_t width) : m_width(width) { Clear(); }

void KeyGroup::Clear() {
  m_entryCount = 0;
  m_text.Clear();
  // Fresh arrays, not emptied ones: a big tree's arrays are given back.
  m_starts = std::vector<DWORD>(1, 0);
  m_bytesHeld = std::vector<uint32_t>();
  m_entryOfRow = std::vector<DWORD>();
  m_last = Seen();
  m_recent = std::vector<Seen>();   // made by the first row
  m_byteCounts.assign(256, 0);
}

DWORD KeyGroup::TakeRow(const char* const* keys) {
  size_t bytes = m_width;
  for (size_t k = 0; k < m_width; ++k) bytes += keys[k] ? strlen(keys[k]) : 0;
  if (m_row.size() < bytes) m_row.resize(bytes);
  const char* lowerOf = LowerAnsiTable();
  char* out = m_row.data();
  DWORD hash = 2166136261u;   // FNV-1a
  for (size_t k = 0; k < m_width; ++k) {
    for (const char* p = keys[k]; p && *p; ++p) {
      char lower = lowerOf[static_cast<unsigned char>(*p)];
      *out++ = lower;
      hash = (hash ^ static_cast<unsigned char>(lower)) * 16777619u;
    }
    *out++ = '\0';
    hash *= 16777619u;
  }
  m_rowBytes = bytes;
  return hash;
}

bool KeyGroup::IsRow(const Seen& seen, DWORD hash) const {
  if (seen.entry == 0xFFFFFFFF || seen.hash != hash) return false;
  DWORD first = m_starts[seen.entry * m_width], last = m_starts[(seen.entry + 1) * m_width];
  return last - first == m_rowBytes && memcmp(m_text.At(first), m_row.data(), m_rowBytes) == 0;
}

void KeyGroup::AddRow(const char* const* keys) {
  if (m_recent.empty()) m_recent.resize(size_t{1} << kRecentBits);
  const DWORD hash = TakeRow(keys);
  Seen& recent = m_recent[hash >> (32 - kRecentBits)];
  // The last row's texts first: a sorted tags file lists a name's tags together.
  if (!IsRow(m_last, hash)) {
    if (IsRow(recent, hash)) {
      m_last = recent;
    } else {
      DWORD offset = m_text.Append(m_row.data(), m_rowBytes);
      uint32_t held = 0;
      for (size_t i = 0; i < m_rowBytes; ++i) {
        const unsigned char byte = static_cast<unsigned char>(m_row[i]);
        if (byte) {
          ++m_byteCounts[byte];
          held |= ByteBit(byte);
        } else {
          m_starts.push_back(offset + static_cast<DWORD>(i + 1));
          m_bytesHeld.push_back(held);
          held = 0;
        }
      }
      m_last = Seen{hash, static_cast<DWORD>(m_entryCount++)};
    }
  }
  recent = m_last;
  m_entryOfRow.push_back(m_last.entry);
}

std::string_view KeyGroup::Text(DWORD entry, size_t slot) const {
  size_t index = entry * m_width + slot;
  return std::string_view(m_text.At(m_starts[index]), m_starts[index + 1] - m_starts[index] - 1);
}

bool KeyGroup::Holds(DWORD entry, size_t slot, std::string_view needle) const {
  return textscan::Contains(Text(entry, slot), needle);
}

void KeyGroup::Anchors(std::string_view needle, size_t& a, size_t& b) const {
  a = 0;
  b = needle.size() - 1;
  if (needle.size() <= 2) return;
  // The needle's two rarest bytes: fewer places to look at twice.
  auto count = [&](size_t i) { return m_byteCounts[static_cast<unsigned char>(needle[i])]; };
  a = 0;
  b = 1;
  if (count(b) < count(a)) std::swap(a, b);
  for (size_t i = 2; i < needle.size(); ++i) {
    if (count(i) < count(a)) {
      b = a;
      a = i;
    } else if (count(i) < count(b)) {
      b = i;
    }
  }
}

void KeyGroup::CountHolding(size_t slot, std::string_view needle, uint8_t* counts) const {
  // A key holds no zero byte, so a needle with one is in no text.
  if (needle.empty() || needle.find('\0') != std::string_view::npos || m_entryCount == 0) return;
  if (needle.size() == 1 && HasOwnBit(static_cast<unsigned char>(needle[0]))) {
    CountHoldingByte(slot, static_cast<unsigned char>(needle[0]), counts);
    return;
  }
  size_t a, b;
  Anchors(needle, a, b);
  const DWORD* starts = m_starts.data();
  const size_t texts = m_starts.size() - 1;
  size_t text = 0;   // the text of the last place found: later places are in it or after it
  m_text.ForEachRun(0, m_text.end(), [&](const char* data, DWORD from, DWORD to) {
    textscan::ScanTexts(data, to - from, needle, a, b, [&](size_t at) {
      const DWORD offset = from + static_cast<DWORD>(at);
      // The text that holds the offset: a few steps on, or a binary search past a long gap.
      size_t steps = 0;
      while (starts[text + 1] <= offset && ++steps < 8) ++text;
      if (starts[text + 1] <= offset)
        text = static_cast<size_t>(std::upper_bound(starts + text + 1, starts + texts + 1, offset) - starts) - 1;
      if (m_width == 1) ++counts[text];
      else if (text % m_width == slot) ++counts[text / m_width];
      return static_cast<size_t>(starts[text + 1] - from);   // on to the next text
    });
  });
}

void KeyGroup::CountHoldingByte(size_t slot, unsigned char byte, uint8_t* counts) const {
  const uint32_t bit = ByteBit(byte);
  const uint32_t* held = m_bytesHeld.data() + slot;
  for (size_t entry = 0; entry < m_entryCount; ++entry, held += m_width) counts[entry] += (*held & bit) != 0;
}
