#include "host/tagstore/TagsPart.h"
#include <cstring>
#include "host/tagstore/CtagsLine.h"
#include "host/tagstore/TagKind.h"

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
  // Undone escapes only ever shorten a text.
  char* room = texts.Room(fields.name.size() + fields.scope.size() + fields.pattern.size() + 3);
  char* out = room;
  std::memcpy(out, fields.name.data(), fields.name.size());
  out += fields.name.size();
  *out++ = '\0';
  out += UnescapeFieldValue(fields.scope, out);
  *out++ = '\0';
  out += UnescapePattern(fields.pattern, fields.delimiter, out);
  *out++ = '\0';
  texts.Keep(static_cast<size_t>(out - room));
  tags.push_back(PartTag{room, fields.line, FileNumber(fields.file), static_cast<int8_t>(typeCode),
                         static_cast<uint8_t>(kind), static_cast<uint8_t>(fields.scopeKind),
                         fields.patternFromLineStart, fields.patternToLineEnd});
}

void TagsPart::AddText(std::string_view text) {
  while (!text.empty()) {
    size_t end = text.find('\n');
    if (end == std::string_view::npos) end = text.size();
    AddLine(text.substr(0, end));
    text.remove_prefix(end == text.size() ? end : end + 1);
  }
}

uint32_t TagsPart::FileNumber(std::string_view written) {
  // Lines of one file often follow each other.
  if (!files.empty() && files[m_lastFile] == written) return m_lastFile;
  auto known = m_fileNumbers.find(written);
  if (known != m_fileNumbers.end()) return m_lastFile = known->second;
  std::string_view kept(fileNames.Copy(written.data(), written.size()), written.size());
  m_lastFile = static_cast<uint32_t>(files.size());
  files.push_back(kept);
  m_fileNumbers.emplace(kept, m_lastFile);
  return m_lastFile;
}
