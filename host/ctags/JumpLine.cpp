#include "host/ctags/JumpLine.h"
#include <cwchar>
#include "host/ide/AnsiText.h"
#include "host/ide/TextSearch.h"

std::string ModuleSearchText(const std::string& searchString) {
  size_t end = searchString.find_last_not_of('$');
  return end == std::string::npos || end == 0 ? std::string() : searchString.substr(1, end);
}

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

int TagPattern::NearestLine(const std::vector<std::wstring>& lines, int target) const {
  int count = static_cast<int>(lines.size());
  if (count == 0) return 0;
  if (target < 1) {
    // No line to be near to: the first line that holds the pattern.
    for (int line = 1; line <= count; ++line) {
      if (HeldBy(lines[line - 1])) return line;
    }
    return 0;
  }
  if (target > count) target = count;
  for (int distance = 0; target - distance >= 1 || target + distance <= count; ++distance) {
    int below = target + distance, above = target - distance;
    if (below <= count && HeldBy(lines[below - 1])) return below;
    if (distance > 0 && above >= 1 && HeldBy(lines[above - 1])) return above;
  }
  return 0;
}

int ChooseJumpLine(const std::vector<std::wstring>& lines, const CtagsEntry& entry) {
  if (entry.searchString.empty()) return entry.line;
  int tagLine = TagPattern(entry).NearestLine(lines, entry.line);
  if (tagLine == 0) return -1;
  // Where the module's search stops: the IDE's find, match case, from line 1 column 1.
  TextMatch match = FindInLines(lines, AnsiToWide(ModuleSearchText(entry.searchString)), kIdeFindMatchCase,
                                TextPosition{1, 1}, TextPosition{1, 1});
  return match.found && match.start.line == tagLine ? -1 : tagLine;
}
