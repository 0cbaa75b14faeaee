#pragma once
// Keys of a SubstringFilter that go together, for every row (the tag
// browser's parent name and qualified parent both come from the tag's scope;
// its name stands alone). Rows whose keys in the group are the same texts,
// letter case ignored, share one entry; an entry's texts are lower-cased once
// and kept one after another, a zero byte after each, and each row holds the
// number of its entry. A search over every row then reads each distinct text
// once, from contiguous memory, instead of visiting row after row. Each text
// also keeps which bytes it holds, one bit for each letter and a few other
// bytes: a one-letter needle, the first key typed, reads those bits alone.
#include <windows.h>
#include <cstdint>
#include <string_view>
#include <vector>
#include "host/filterdialogs/TextBlock.h"

class KeyGroup {
 public:
  explicit KeyGroup(size_t width);

  void Clear();
  // Room for this many rows, made once instead of growing.
  void ReserveRows(size_t rows) { m_entryOfRow.reserve(rows); }
  // keys holds width() texts (null reads as empty).
  void AddRow(const char* const* keys);

  size_t width() const { return m_width; }
  size_t rowCount() const { return m_entryOfRow.size(); }
  size_t entryCount() const { return m_entryCount; }
  DWORD EntryOf(DWORD row) const { return m_entryOfRow[row]; }
  // Text `slot` (below width()) of an entry, lower-cased.
  std::string_view Text(DWORD entry, size_t slot) const;

  // Whether text `slot` of the entry contains the needle (compared byte for
  // byte: give it lower-cased).
  bool Holds(DWORD entry, size_t slot, std::string_view needle) const;
  // Adds 1 to counts[e] for every entry e whose text `slot` contains the
  // (non-empty) needle, reading every text once, or only its bytes' bits
  // when the needle is one byte with a bit of its own.
  void CountHolding(size_t slot, std::string_view needle, uint8_t* counts) const;

  // The bit of a byte (lower-cased) in a text's bits; bytes without a bit of
  // their own share the last one.
  static uint32_t ByteBit(unsigned char byte);
  static bool HasOwnBit(unsigned char byte);

 private:
  // An entry found again by the hash of its texts.
  struct Seen {
    DWORD hash = 0;
    DWORD entry = 0xFFFFFFFF;   // none
  };
  // The row's texts, lower-cased and each followed by a zero byte, into m_row; returns their hash.
  DWORD TakeRow(const char* const* keys);
  bool IsRow(const Seen& seen, DWORD hash) const;
  void Anchors(std::string_view needle, size_t& a, size_t& b) const;
  void CountHoldingByte(size_t slot, unsigned char byte, uint8_t* counts) const;

  size_t m_width;
  size_t m_entryCount = 0;
  TextBlock m_text;                  // every entry's texts, each followed by a zero byte
  std::vector<char> m_row;           // the texts of the row being added
  size_t m_rowBytes = 0;
  std::vector<DWORD> m_starts;       // text t of entry e starts at [e * width + t]; one more at the end
  std::vector<uint32_t> m_bytesHeld; // for each text, as m_starts: the ByteBit of every byte in it
  std::vector<DWORD> m_entryOfRow;
  Seen m_last;                       // the last row's entry
  std::vector<Seen> m_recent;        // by the hash of its texts: the last entry that had it
  std::vector<size_t> m_byteCounts;  // how often each byte occurs in the texts
};
