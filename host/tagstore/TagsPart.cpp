#include "host/tagstore/TagsPart.h"
#include <cstring>
#include "host/tagstore/CtagsLine.h"
#include "host/tagstore/TagKind.h"
#include "host/tagstore/TextScan.h"

void TagsPart::AddLine(std::string_view line) {
  CtagsFields fields;
  switch (SplitCtagsLine(line, fields)) {
    case CtagsLineResult::Comment:
      return;
    case CtagsLineResult::Invalid:
      ++invalidLines;
      return;
    case CtagsLineResult::Tag:
      break;
  }
  // A kind is looked up as written: undoing a value's escapes leaves a
  // backslash or a control character, which no known kind holds.
  int kind = CtagsKindNumber(fields.kind);
  int typeCode = TagTypeOfKindNumber(kind);
  if (typeCode < 0) {
    ++skippedKinds;
    return;
  }
  // The three texts one after the other, each ending in a zero; undone
  // escapes only ever shorten a text. A text ends at a zero byte of its own,
  // as the host's texts always did, and the next one still follows it.
  char* room = texts.Room(fields.name.size() + fields.scope.size() + fields.pattern.size() + 3);
  char* out = room;
  auto end = [&out](size_t written) {
    out += FindByte(out, out + written, '\0') - out;
    *out++ = '\0';
  };
  CopyBytes(out, fields.name.data(), fields.name.size());
  end(fields.name.size());
  end(UnescapeFieldValue(fields.scope, out));
  char* pattern = out;
  end(UnescapePattern(fields.pattern, fields.delimiter, out));
  const bool searchString = out - pattern > 1;
  texts.Keep(static_cast<size_t>(out - room));
  if (sortedByName && !tags.empty()) sortedByName = CompareTexts(tags.back().texts, room) <= 0;
  tags.push_back(PartTag{room, fields.line, FileNumber(fields.file), static_cast<int8_t>(typeCode),
                         static_cast<uint8_t>(kind), static_cast<uint8_t>(fields.scopeKind),
                         fields.patternFromLineStart, fields.patternToLineEnd, searchString,
                         !fields.scope.empty()});
}

void TagsPart::ExpectBytes(uint64_t bytes) {
  // Tag lines are seldom shorter; a part of shorter ones grows as vectors do.
  tags.reserve(tags.size() + static_cast<size_t>(bytes / 64));
}

namespace {

// A quick hash of a name, eight bytes at a time.
uint32_t HashOf(std::string_view text) {
  uint64_t hash = 0x9E3779B97F4A7C15ull ^ text.size();
  size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 32;
  }
  for (; i < text.size(); ++i) hash = (hash ^ static_cast<unsigned char>(text[i])) * 0x100000001B3ull;
  hash ^= hash >> 29;
  return static_cast<uint32_t>(hash);
}

bool SameText(std::string_view a, std::string_view b) { return a.size() == b.size() && SameBytes(a.data(), b.data(), a.size()); }

}  // namespace

uint32_t TagsPart::FileNumber(std::string_view written) {
  for (size_t i = 0; i < m_recentCount; ++i) {
    uint32_t file = m_recent[i];
    if (!SameText(files[file], written)) continue;
    // To the front, the others moving down one.
    for (; i > 0; --i) m_recent[i] = m_recent[i - 1];
    return m_recent[0] = file;
  }
  uint32_t file = Lookup(written);
  if (m_recentCount < kRecentFiles) ++m_recentCount;
  for (size_t i = m_recentCount - 1; i > 0; --i) m_recent[i] = m_recent[i - 1];
  return m_recent[0] = file;
}

uint32_t TagsPart::Lookup(std::string_view written) {
  const uint32_t hash = HashOf(written);
  if (m_slots.empty()) m_slots.assign(256, Slot{0, 0});
  size_t mask = m_slots.size() - 1;
  size_t at = hash & mask;
  for (; m_slots[at].file; at = (at + 1) & mask) {
    if (m_slots[at].hash == hash && SameText(files[m_slots[at].file - 1], written)) return m_slots[at].file - 1;
  }
  const uint32_t number = static_cast<uint32_t>(files.size());
  files.emplace_back(fileNames.Copy(written.data(), written.size()), written.size());
  if (2 * files.size() <= m_slots.size()) {
    m_slots[at] = Slot{hash, number + 1};
    return number;
  }
  // Half full: twice the slots, every file placed again.
  std::vector<Slot> slots(2 * m_slots.size(), Slot{0, 0});
  mask = slots.size() - 1;
  for (uint32_t f = 0; f < files.size(); ++f) {
    uint32_t h = HashOf(files[f]);
    size_t to = h & mask;
    while (slots[to].file) to = (to + 1) & mask;
    slots[to] = Slot{h, f + 1};
  }
  m_slots.swap(slots);
  return number;
}
