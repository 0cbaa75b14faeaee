#include "host/app/jumpcheck/TreeEdit.h"
#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include "host/ctags/JumpLine.h"
#include "host/ctags/TagKind.h"

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

// A line can go when every tag on it is a definition whose searched text is
// in no other line of the file (nor in the inserted lines): the module's
// search then fails for each of them.
bool CanRemove(const SourceFile& file, int line, const std::vector<size_t>& tagsOnLine, const TagSet& tags,
               const std::string& inserted) {
  bool definition = false;
  for (size_t index : tagsOnLine) {
    const CtagsEntry& entry = tags.entries()[index];
    std::string searched = ModuleSearchText(entry.searchString);
    if (searched.empty() || inserted.find(searched) != std::string::npos) return false;
    for (size_t other = 0; other < file.lines.size(); ++other) {
      if (static_cast<int>(other) + 1 != line && Text(file.lines[other]).find(searched) != std::string::npos) return false;
    }
    definition = definition || entry.typeCode == TagFunction;
  }
  return definition;
}

}  // namespace

bool EditTree(const TagSet& tags, TreeEdits& edits, std::string& error) {
  const std::string inserted = "// a line inserted after the tags were written";
  edits.newLine.assign(tags.tags().size(), -1);
  // The tags of each file, by full path.
  std::map<std::string, std::vector<size_t>> byFile;
  for (size_t i = 0; i < tags.tags().size(); ++i) {
    if (tags.entries()[i].line >= 1) byFile[static_cast<const char*>(tags.tags()[i]->fileName)].push_back(i);
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
    for (size_t index : pair.second) byLine[tags.entries()[index].line].push_back(index);
    // The middle tag's line; lines inserted above it shift the lower half of the tags.
    auto middle = byLine.begin();
    std::advance(middle, byLine.size() / 2);
    int middleLine = middle->first;
    int removed = 0;
    if (fileNumber++ % kRemoveEvery == 0) {
      for (const auto& line : byLine) {
        if (line.first <= static_cast<int>(file.lines.size()) &&
            CanRemove(file, line.first, line.second, tags, inserted)) {
          removed = line.first;
          break;
        }
      }
    }

    std::string out;
    for (int i = 0; i < kTopInsertedLines; ++i) out += inserted + file.lineEnd;
    for (size_t i = 0; i < file.lines.size(); ++i) {
      int line = static_cast<int>(i) + 1;
      if (line == middleLine) {
        for (int k = 0; k < kMiddleInsertedLines; ++k) out += inserted + file.lineEnd;
      }
      if (line != removed) out += file.lines[i];
    }
    std::ofstream write(path, std::ios::binary | std::ios::trunc);
    if (!write || !(write << out) || !(write.flush())) {
      error = "cannot write " + path;
      return false;
    }
    for (size_t index : pair.second) {
      int line = tags.entries()[index].line;
      edits.newLine[index] = line == removed ? 0
                                             : line + kTopInsertedLines + (line >= middleLine ? kMiddleInsertedLines : 0) -
                                                   (removed && line > removed ? 1 : 0);
    }
    ++edits.files;
    if (removed) ++edits.removedLines;
  }
  return true;
}
