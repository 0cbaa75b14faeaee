#pragma once
// The tags of one stretch of a tags file as one thread reads them: each tag
// line's texts written once, one after the other, into a text arena (name,
// scope and pattern with their escapes undone, each ending in a zero: the
// texts a TagEntry reads), and per tag what its TagEntry will be made of.
// Nothing else of a line is kept. Files are numbered in the order they first
// appear, with their names as written.
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>
#include "host/tagstore/TextArena.h"

struct PartTag {
  const char* texts;
  int32_t line;       // line:N, -1 for none
  uint32_t file;      // its number in TagsPart::files
  int8_t typeCode;
  uint8_t kind;       // CtagsKindNumber
  uint8_t scopeKind;  // ScopeKindNumber
  bool fromLineStart;
  bool toLineEnd;
};

class TagsPart {
 public:
  // One line, without its '\n' (a '\r' before it is dropped).
  void AddLine(std::string_view line);
  // Every line of the text, split at each '\n' (the last may lack its end).
  void AddText(std::string_view text);

  TextArena texts;
  std::vector<PartTag> tags;
  std::vector<std::string_view> files;   // as written, by number; kept in fileNames
  TextArena fileNames;
  int invalidLines = 0;
  int skippedKinds = 0;

 private:
  uint32_t FileNumber(std::string_view written);

  std::unordered_map<std::string_view, uint32_t> m_fileNumbers;
  uint32_t m_lastFile = 0;   // the file of the line before, looked up first
};
