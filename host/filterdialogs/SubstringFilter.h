#pragma once
// The rows of a dialog's list matched by filter texts: each row has a fixed
// number of keys, lower-cased once when the row is added, and a row matches
// when every key contains its needle (an empty needle matches every key).
// When each needle of a new filter contains the needle it replaces, every
// row that matches the new filter matched the old one, so only the previous
// result is searched again: typing one more letter over 126k rows looks at
// the rows left, not at all of them.
#include <windows.h>
#include <string>
#include <string_view>
#include <vector>

class SubstringFilter {
 public:
  explicit SubstringFilter(size_t keysPerRow) : m_keysPerRow(keysPerRow) {}

  void Clear();
  // keys holds keysPerRow texts (null reads as empty); they are lower-cased here.
  void AddRow(const char* const* keys);
  size_t rowCount() const { return m_rowCount; }

  // The rows whose keys contain the needles (keysPerRow texts, lower-cased
  // already), in row order.
  const std::vector<DWORD>& Apply(const std::vector<std::string>& needles);
  // Rows searched by the last Apply (the rows left by the one before it when it narrowed).
  size_t lastSearched() const { return m_lastSearched; }

  // Lower case as the filters compare: the system's lower case of each byte
  // of the ANSI code page.
  static std::string Lower(std::string_view text);
  static char LowerByte(char byte);

 private:
  bool RowMatches(DWORD row, const std::vector<std::string>& needles) const;
  std::string_view Key(DWORD row, size_t key) const;
  bool Narrows(const std::vector<std::string>& needles) const;

  size_t m_keysPerRow;
  size_t m_rowCount = 0;
  std::string m_text;              // every key of every row, one after another
  std::vector<DWORD> m_starts;     // start of key k of row r at [r * keysPerRow + k]; one more at the end
  std::vector<DWORD> m_rows;       // the last result
  std::vector<std::string> m_lastNeedles;
  bool m_haveResult = false;
  size_t m_lastSearched = 0;
};
