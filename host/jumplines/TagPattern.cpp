#include "host/jumplines/TagPattern.h"
#include <cwchar>
#include "host/ide/AnsiText.h"

TagPattern::TagPattern(const CtagsEntry& entry)
    : m_fromStart(entry.patternFromLineStart), m_toEnd(entry.patternToLineEnd) {
  const std::string& pattern = entry.searchString;
  size_t first = m_fromStart ? 1 : 0;
  size_t last = pattern.size() - (m_toEnd && pattern.size() > first ? 1 : 0);
  m_text = AnsiToWide(last > first ? pattern.substr(first, last - first) : std::string());
}

bool TagPattern::HeldBy(const std::wstring& line) const {
  size_t end = line.find(L'\r');
  if (end == std::wstring::npos) end = line.size();
  size_t size = m_text.size();
  if (size > end) return false;
  auto at = [&](size_t index) { return std::wmemcmp(line.data() + index, m_text.data(), size) == 0; };
  if (m_fromStart && m_toEnd) return size == end && at(0);
  if (m_fromStart) return at(0);
  if (m_toEnd) return at(end - size);
  for (size_t index = 0; index + size <= end; ++index) {
    if (at(index)) return true;
  }
  return false;
}

std::vector<int> TagPattern::LinesHolding(const std::vector<std::wstring>& lines) const {
  std::vector<int> holding;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (HeldBy(lines[i])) holding.push_back(static_cast<int>(i) + 1);
  }
  return holding;
}
