#pragma once
// A tag's pattern as ctags means it: its text without the anchors, matched at
// the start of a line for '^', at the end for '$' (so a whole line for both,
// a line start for a pattern cut short). Ctags ends a line at a carriage
// return, so a line is taken up to its first one.
#include <string>
#include <vector>
#include "host/tagstore/CtagsLine.h"

class TagPattern {
 public:
  explicit TagPattern(const CtagsEntry& entry);
  bool HeldBy(const std::wstring& line) const;
  // The lines (from 1, ascending) that hold the pattern.
  std::vector<int> LinesHolding(const std::vector<std::wstring>& lines) const;
  // Both anchors: the pattern is the whole line, text().
  bool wholeLine() const { return m_fromStart && m_toEnd; }
  const std::wstring& text() const { return m_text; }

 private:
  std::wstring m_text;
  bool m_fromStart;
  bool m_toEnd;
};
