#pragma once
// The rows of a dialog's list matched by filter texts: each row has a fixed
// number of keys, lower-cased once when the row is added, and a row matches
// when every key contains its needle (an empty needle matches every key).
//
// Typing keeps the results of its chain of filters. When each needle of a
// new filter contains the needle of a kept filter, every row that matches
// the new one matched that one, so only its rows are searched again: one
// letter more looks at the rows left. Taking a letter back returns to the
// kept result, with no search at all. A search over every row reads each
// distinct key text once, from contiguous memory (see KeyGroup).
#include <windows.h>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include "host/filterdialogs/KeyGroup.h"

class SubstringFilter {
 public:
  // What Apply found: every row, or the rows listed (in row order).
  struct Found {
    bool everyRow;
    const std::vector<DWORD>* listed;   // null when everyRow
    size_t count;
    DWORD operator[](size_t i) const { return listed ? (*listed)[i] : static_cast<DWORD>(i); }
    size_t size() const { return count; }
  };

  // keysPerRow keys that each stand alone.
  explicit SubstringFilter(size_t keysPerRow) : SubstringFilter(std::vector<size_t>(keysPerRow, 1)) {}
  // Keys in groups of the widths given, in order: the keys of a group are
  // kept together, once for all rows that have the same texts in them.
  explicit SubstringFilter(const std::vector<size_t>& groupWidths);

  void Clear();
  // Room for this many rows in all, made once instead of growing with them.
  void ReserveRows(size_t rows);
  // keys holds keysPerRow texts (null reads as empty); they are lower-cased here.
  void AddRow(const char* const* keys);
  size_t rowCount() const { return m_rowCount; }
  size_t keysPerRow() const { return m_keyGroup.size(); }
  // Takes now the memory that a first search over every row needs, so that
  // the first key typed does not wait for the system to hand it out.
  void ReserveFirstSearch();

  // The rows whose keys contain the needles (keysPerRow texts, lower-cased
  // already; missing ones read as empty). Valid until the next call.
  Found Apply(const std::vector<std::string>& needles);
  // Rows searched by the last Apply: all of them, the rows of the kept
  // result it narrowed, or none when it returned to a kept result.
  size_t lastSearched() const { return m_lastSearched; }
  // Rows held by kept results, the current one included.
  size_t keptRows() const;

  // Lower case as the filters compare: the system's lower case of each byte
  // of the ANSI code page.
  static std::string Lower(std::string_view text);
  static char LowerByte(char byte);

 private:
  // One kept result: its needles and its rows.
  struct Step {
    std::vector<std::string> needles;
    std::vector<DWORD> rows;
  };
  bool Narrows(const std::vector<std::string>& wider, const std::vector<std::string>& needles) const;
  void Search(const std::vector<DWORD>* candidates, const std::vector<std::string>& base,
              const std::vector<std::string>& needles, std::vector<DWORD>& rows);
  void Keep(Step step);
  void Drop(Step& step);
  std::vector<DWORD> TakeBuffer();

  std::vector<KeyGroup> m_groups;
  std::vector<size_t> m_keyGroup;   // key k is in group m_keyGroup[k] ...
  std::vector<size_t> m_keySlot;    // ... as its key m_keySlot[k]
  size_t m_rowCount = 0;
  std::vector<Step> m_kept;         // each narrows the one before it; the newest is the last result
  size_t m_lastSearched = 0;
  // Memory used again from one key to the next: fresh memory costs the
  // system a page fault for every few kilobytes, more than the search.
  std::vector<std::vector<uint8_t>> m_counts;   // for each group: a count for each entry
  std::vector<std::vector<DWORD>> m_spare;      // the rows of dropped results, emptied
};
