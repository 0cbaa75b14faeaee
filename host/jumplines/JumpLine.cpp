#include "host/jumplines/JumpLine.h"
#include <algorithm>
#include "host/jumplines/CopyAlignment.h"
#include "host/jumplines/Landmarks.h"
#include "host/jumplines/TagPattern.h"
#include "host/ide/AnsiText.h"
#include "host/ide/TextSearch.h"

std::string ModuleSearchText(const std::string& searchString) {
  size_t end = searchString.find_last_not_of('$');
  return end == std::string::npos || end == 0 ? std::string() : searchString.substr(1, end);
}

int TagLineNow(const std::vector<std::wstring>& lines, const CtagsEntry& entry,
               const std::vector<const CtagsEntry*>& fileTags) {
  std::vector<int> now = TagPattern(entry).LinesHolding(lines);
  if (now.empty()) return 0;
  if (entry.line < 1) return now.front();
  // The lines of the tags with this pattern (several tags may share one line).
  std::vector<int> tagged = {entry.line};
  for (const CtagsEntry* other : fileTags) {
    if (other->line >= 1 && other->searchString == entry.searchString) tagged.push_back(other->line);
  }
  std::sort(tagged.begin(), tagged.end());
  tagged.erase(std::unique(tagged.begin(), tagged.end()), tagged.end());
  size_t rank = static_cast<size_t>(std::lower_bound(tagged.begin(), tagged.end(), entry.line) - tagged.begin());
  if (tagged.size() == now.size()) return now[rank];
  return AlignCopies(tagged, now, FindLandmarks(lines, fileTags))[rank];
}

JumpChoice ChooseJumpLine(const std::vector<std::wstring>& lines, const CtagsEntry& entry,
                          const std::vector<const CtagsEntry*>& fileTags) {
  JumpChoice choice;
  if (entry.searchString.empty()) {
    choice.line = entry.line;
    return choice;
  }
  int tagLine = TagLineNow(lines, entry, fileTags);
  // Where the module's search stops: the IDE's find, match case, from line 1 column 1.
  TextMatch match = FindInLines(lines, AnsiToWide(ModuleSearchText(entry.searchString)), kIdeFindMatchCase,
                                TextPosition{1, 1}, TextPosition{1, 1});
  if (tagLine == 0) {
    choice.landing = match.found ? JumpChoice::TextElsewhere : JumpChoice::Nowhere;
    return choice;
  }
  choice.line = match.found && match.start.line == tagLine ? -1 : tagLine;
  return choice;
}
