#pragma once
// The tags of one stretch of a tags file as one thread reads them: each tag
// line's texts written once, one after the other, into a text arena (name,
// scope and pattern with their escapes undone, each ending in a zero: the
// texts a TagEntry reads), and per tag what its TagEntry will be made of.
// Nothing else of a line is kept. Files are numbered in the order they first
// appear, with their names as written.
#include <cstdint>
#include <string_view>
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
  bool hasSearchString;   // not empty: the tag is found by its pattern
  bool hasScope;
};

class TagsPart {
 public:
  // One line, without its '\n' (a '\r' before it is dropped).
  void AddLine(std::string_view line);
  // Room for the tags of about that many bytes of lines.
  void ExpectBytes(uint64_t bytes);

  TextArena texts;
  std::vector<PartTag> tags;
  std::vector<std::string_view> files;   // as written, by number; kept in fileNames
  TextArena fileNames;
  int invalidLines = 0;
  int skippedKinds = 0;
  // Each tag's name sorts after the one before it (strcmp order, as ctags --sort=yes).
  bool sortedByName = true;

 private:
  uint32_t FileNumber(std::string_view written);
  uint32_t Lookup(std::string_view written);   // through the table, added when new

  // The files by name: open addressing over a power of two of slots, each
  // the name's hash and the file's number + 1 (0: empty).
  struct Slot {
    uint32_t hash;
    uint32_t file;
  };
  std::vector<Slot> m_slots;
  // The files of the last few lines, most recent first, looked at before
  // the table: in a file sorted by tag name, seven lines in ten name one.
  static constexpr size_t kRecentFiles = 8;
  uint32_t m_recent[kRecentFiles] = {};
  size_t m_recentCount = 0;
};
