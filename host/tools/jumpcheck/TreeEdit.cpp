#include "host/tools/jumpcheck/TreeEdit.h"
#include <algorithm>
#include <fstream>
#include <map>
#include "host/jumplines/JumpLine.h"
#include "host/tagstore/TagKind.h"

namespace {

struct SourceFile {
  std::vector<std::string> lines;   // each with its own line end ("\n", "\r\n" or none for the last)
  std::string lineEnd = "\n";
};

bool ReadSource(const std::string& path, SourceFile& file) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    end = end == std::string::npos ? bytes.size() : end + 1;
    file.lines.push_back(bytes.substr(start, end - start));
    start = end;
  }
  if (!file.lines.empty() && file.lines[0].size() > 1 && file.lines[0].compare(file.lines[0].size() - 2, 2, "\r\n") == 0)
    file.lineEnd = "\r\n";
  return true;
}

std::string Text(const std::string& line) {
  size_t end = line.size();
  while (end > 0 && (line[end - 1] == '\n' || line[end - 1] == '\r')) --end;
  return line.substr(0, end);
}

// What removing a line would do to the module's search for the tags on it.
// A candidate line has tags that all have a pattern (none found in the
// inserted lines), one of them a function definition. Removing it takes
// their text away when no other line holds any tag's searched text, and
// leaves it when another line holds every one of them (the search then
// stops there). `spared` is a line removed as well: it holds nothing.
enum class Removal { No, TextGone, TextLeft };

Removal WhatRemovalDoes(const SourceFile& file, int line, const std::vector<size_t>& tagsOnLine, const TagSet& tags,
                        const std::string& inserted, int spared) {
  bool definition = false;
  size_t left = 0;
  for (size_t index : tagsOnLine) {
    const CtagsEntry entry = tags.EntryAt(index);
    std::string searched = ModuleSearchText(entry.searchString);
    if (searched.empty() || inserted.find(searched) != std::string::npos) return Removal::No;
    for (size_t other = 0; other < file.lines.size(); ++other) {
      int otherLine = static_cast<int>(other) + 1;
      if (otherLine != line && otherLine != spared && Text(file.lines[other]).find(searched) != std::string::npos) {
        ++left;
        break;
      }
    }
    definition = definition || entry.typeCode == TagFunction;
  }
  if (!definition) return Removal::No;
  return left == 0 ? Removal::TextGone : left == tagsOnLine.size() ? Removal::TextLeft : Removal::No;
}

// The first tagged line of the file whose removal does `wanted`; 0 when none does.
int FirstRemovable(const SourceFile& file, const std::map<int, std::vector<size_t>>& byLine, const TagSet& tags,
                   const std::string& inserted, Removal wanted, int spared) {
  for (const auto& line : byLine) {
    if (line.first != spared && line.first <= static_cast<int>(file.lines.size()) &&
        WhatRemovalDoes(file, line.first, line.second, tags, inserted, spared) == wanted)
      return line.first;
  }
  return 0;
}

}  // namespace

bool EditTree(const TagSet& tags, TreeEdits& edits, std::string& error) {
  const std::string inserted = "// a line inserted after the tags were written";
  edits.edit.assign(tags.tags().size(), TagEdit::NoLine);
  edits.newLine.assign(tags.tags().size(), -1);
  // The tags of each file, by full path.
  std::map<std::string, std::vector<size_t>> byFile;
  for (size_t i = 0; i < tags.tags().size(); ++i) {
    if (tags.tags()[i]->TagsLine() >= 1) byFile[tags.tags()[i]->FileName()].push_back(i);
  }
  int fileNumber = 0;
  for (const auto& pair : byFile) {
    const std::string& path = pair.first;
    SourceFile file;
    if (!ReadSource(path, file)) {
      error = "cannot read " + path;
      return false;
    }
    std::map<int, std::vector<size_t>> byLine;
    for (size_t index : pair.second) byLine[tags.tags()[index]->TagsLine()].push_back(index);
    // The middle tag's line; lines inserted above it shift the lower half of the tags.
    auto middle = byLine.begin();
    std::advance(middle, byLine.size() / 2);
    int middleLine = middle->first;
    // In every few files a definition whose text then is nowhere else, and
    // one whose text another line keeps.
    int removed = 0, textLeft = 0;
    if (fileNumber++ % kRemoveEvery == 0) {
      removed = FirstRemovable(file, byLine, tags, inserted, Removal::TextGone, 0);
      textLeft = FirstRemovable(file, byLine, tags, inserted, Removal::TextLeft, removed);
    }

    std::string out;
    for (int i = 0; i < kTopInsertedLines; ++i) out += inserted + file.lineEnd;
    for (size_t i = 0; i < file.lines.size(); ++i) {
      int line = static_cast<int>(i) + 1;
      if (line == middleLine) {
        for (int k = 0; k < kMiddleInsertedLines; ++k) out += inserted + file.lineEnd;
      }
      if (line != removed && line != textLeft) out += file.lines[i];
    }
    std::ofstream write(path, std::ios::binary | std::ios::trunc);
    if (!write || !(write << out) || !(write.flush())) {
      error = "cannot write " + path;
      return false;
    }
    for (size_t index : pair.second) {
      int line = tags.tags()[index]->TagsLine();
      if (line == removed || line == textLeft) {
        edits.edit[index] = line == removed ? TagEdit::Removed : TagEdit::TextLeft;
        edits.newLine[index] = 0;
        continue;
      }
      edits.edit[index] = TagEdit::Moved;
      edits.newLine[index] = line + kTopInsertedLines + (line >= middleLine ? kMiddleInsertedLines : 0) -
                             (removed && line > removed ? 1 : 0) - (textLeft && line > textLeft ? 1 : 0);
    }
    ++edits.files;
    if (removed) ++edits.removedLines;
    if (textLeft) ++edits.textLeftLines;
  }
  return true;
}
