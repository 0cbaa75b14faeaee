#include "host/ide/TextSearch.h"

#include <cwctype>

namespace {

bool IsWordChar(wchar_t ch) { return std::iswalnum(ch) || ch == L'_'; }

bool SameChar(wchar_t a, wchar_t b, bool matchCase) {
  return matchCase ? a == b : std::towlower(a) == std::towlower(b);
}

// True when the text matches the line at the (0-based) index under the flags.
bool MatchesAt(const std::wstring& line, size_t index, const std::wstring& text, long flags) {
  if (index + text.size() > line.size()) return false;
  bool matchCase = (flags & kIdeFindMatchCase) != 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (!SameChar(line[index + i], text[i], matchCase)) return false;
  }
  if (flags & kIdeFindWholeWord) {
    if (index > 0 && IsWordChar(line[index - 1])) return false;
    size_t end = index + text.size();
    if (end < line.size() && IsWordChar(line[end])) return false;
  }
  return true;
}

TextMatch Found(int lineIndex, size_t index, size_t length) {
  return TextMatch{true, TextPosition{lineIndex + 1, static_cast<int>(index) + 1},
                   static_cast<int>(length)};
}

}  // namespace

TextMatch FindInLines(const std::vector<std::wstring>& lines, const std::wstring& text, long flags,
                      TextPosition before, TextPosition after) {
  TextMatch none{false, TextPosition{0, 0}, 0};
  int count = static_cast<int>(lines.size());
  if (text.empty() || count == 0) return none;
  bool fromStart = (flags & kIdeFindFromStart) != 0;

  if (flags & kIdeFindBackward) {
    int lineIndex = fromStart ? count - 1 : before.line - 1;
    if (lineIndex >= count) lineIndex = count - 1;
    for (bool first = !fromStart; lineIndex >= 0; --lineIndex, first = false) {
      const std::wstring& line = lines[lineIndex];
      // On the starting line only matches that begin before the caret count.
      size_t limit = first ? static_cast<size_t>(before.column > 1 ? before.column - 1 : 0) : line.size() + 1;
      for (size_t index = line.size() + 1; index-- > 0;) {
        if (index < limit && MatchesAt(line, index, text, flags)) return Found(lineIndex, index, text.size());
      }
    }
    return none;
  }

  int lineIndex = fromStart ? 0 : after.line - 1;
  if (lineIndex < 0) lineIndex = 0;
  for (bool first = !fromStart; lineIndex < count; ++lineIndex, first = false) {
    const std::wstring& line = lines[lineIndex];
    size_t start = first && after.column > 1 ? static_cast<size_t>(after.column - 1) : 0;
    for (size_t index = start; index < line.size(); ++index) {
      if (MatchesAt(line, index, text, flags)) return Found(lineIndex, index, text.size());
    }
  }
  return none;
}
