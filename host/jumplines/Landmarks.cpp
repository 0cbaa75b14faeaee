#include "host/jumplines/Landmarks.h"
#include <algorithm>
#include <map>
#include <unordered_map>
#include "host/jumplines/TagPattern.h"

namespace {

// The longest run of shifts, in their order, whose lines now ascend too.
std::vector<LineShift> InOrder(const std::vector<LineShift>& shifts) {
  std::vector<size_t> ends;   // ends[n]: the shift ending the best run of n + 1
  std::vector<long> before(shifts.size(), -1);
  for (size_t i = 0; i < shifts.size(); ++i) {
    auto at = std::lower_bound(ends.begin(), ends.end(), shifts[i].now,
                               [&](size_t end, int now) { return shifts[end].now < now; });
    if (at != ends.begin()) before[i] = static_cast<long>(*(at - 1));
    if (at == ends.end()) ends.push_back(i);
    else *at = i;
  }
  std::vector<LineShift> kept;
  for (long i = ends.empty() ? -1 : static_cast<long>(ends.back()); i >= 0; i = before[i]) kept.push_back(shifts[i]);
  std::reverse(kept.begin(), kept.end());
  return kept;
}

}  // namespace

std::vector<LineShift> FindLandmarks(const std::vector<std::wstring>& lines,
                                     const std::vector<const CtagsEntry*>& fileTags) {
  // Each whole-line pattern with the lines its tags name (a line may carry several tags).
  std::map<std::wstring, std::vector<int>> tagged;
  for (const CtagsEntry* entry : fileTags) {
    TagPattern pattern(*entry);
    if (!pattern.wholeLine() || entry->line < 1) continue;
    std::vector<int>& at = tagged[pattern.text()];
    if (std::find(at.begin(), at.end(), entry->line) == at.end()) at.push_back(entry->line);
  }
  // Each of those texts that one line held: how many lines hold it now, and the last.
  struct Held {
    int count = 0;
    int line = 0;
  };
  std::unordered_map<std::wstring, Held> held;
  for (const auto& pattern : tagged) {
    if (pattern.second.size() == 1) held.emplace(pattern.first, Held());
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    auto found = held.find(lines[i].substr(0, lines[i].find(L'\r')));
    if (found == held.end()) continue;
    ++found->second.count;
    found->second.line = static_cast<int>(i) + 1;
  }
  std::vector<LineShift> shifts;
  for (const auto& pattern : held) {
    if (pattern.second.count == 1) shifts.push_back({tagged[pattern.first][0], pattern.second.line});
  }
  std::sort(shifts.begin(), shifts.end(), [](const LineShift& a, const LineShift& b) { return a.then < b.then; });
  return InOrder(shifts);
}
