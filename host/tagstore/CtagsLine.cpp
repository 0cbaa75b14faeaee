#include "host/tagstore/CtagsLine.h"
#include <cstdlib>
#include "host/tagstore/TagKind.h"

namespace {

// The scope field names that ctags writes for C and C++ (and a few languages
// with the same idea); any of them names the tag's enclosing scope.
bool IsScopeField(const std::string& key) {
  static const char* const kScopes[] = {"class", "struct", "union", "enum", "namespace",
                                        "function", "interface", "typedef", "prototype"};
  for (const char* scope : kScopes) {
    if (key == scope) return true;
  }
  return false;
}

// Field values escape a backslash, tab, CR and LF (\\ \t \r \n).
std::string UnescapeFieldValue(const std::string& value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      char next = value[i + 1];
      if (next == '\\') { out += '\\'; ++i; continue; }
      if (next == 't') { out += '\t'; ++i; continue; }
      if (next == 'r') { out += '\r'; ++i; continue; }
      if (next == 'n') { out += '\n'; ++i; continue; }
    }
    out += value[i];
  }
  return out;
}

bool ParseLineNumber(const std::string& text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return false;
  }
  value = std::atoi(text.c_str());
  return true;
}

bool IsEscapedInPattern(char ch, char delimiter) {
  return ch == delimiter || ch == '\\' || ch == '/' || ch == '?' || ch == '$' || ch == '^';
}

// Reads the pattern address starting at text[pos] (the opening delimiter).
// Universal Ctags puts a backslash before a backslash, before the delimiter
// and before a '$' that ends the source line (so that it is not read as the
// end anchor); a backslash before '/', '?' or '^' is undone as well, since
// other writers escape those. Any other backslash stands for itself. An
// unescaped '^' first and '$' last are the anchors: they stay in the pattern
// (the module strips them) and are noted in the entry. On success pos is just
// past the closing delimiter.
bool ReadPattern(const std::string& text, size_t& pos, CtagsEntry& entry) {
  char delimiter = text[pos];
  std::string& pattern = entry.searchString;
  pattern.clear();
  bool lastEscaped = false;
  for (size_t i = pos + 1; i < text.size(); ++i) {
    char ch = text[i];
    if (ch == '\\' && i + 1 < text.size() && IsEscapedInPattern(text[i + 1], delimiter)) {
      pattern += text[i + 1];
      lastEscaped = true;
      ++i;
    } else if (ch == delimiter) {
      entry.patternFromLineStart = text[pos + 1] == '^';
      entry.patternToLineEnd = !pattern.empty() && pattern.back() == '$' && !lastEscaped;
      pos = i + 1;
      return true;
    } else {
      pattern += ch;
      lastEscaped = false;
    }
  }
  return false;
}

void ApplyField(const std::string& field, CtagsEntry& entry, bool& kindSeen) {
  size_t colon = field.find(':');
  if (colon == std::string::npos) {
    // Without --fields=+K the kind is a bare letter; other bare words are ignored.
    if (!kindSeen && !field.empty()) {
      entry.kind = field;
      kindSeen = true;
    }
    return;
  }
  std::string key = field.substr(0, colon);
  std::string value = UnescapeFieldValue(field.substr(colon + 1));
  if (key == "kind") {
    entry.kind = value;
    kindSeen = true;
  } else if (key == "line") {
    int line = 0;
    if (ParseLineNumber(value, line)) entry.line = line;
  } else if (IsScopeField(key) && entry.scopeKind.empty()) {
    entry.scopeKind = key;
    entry.scope = value;
  }
}

}  // namespace

std::string LastScopeComponent(const std::string& scope) {
  size_t sep = scope.rfind("::");
  return sep == std::string::npos ? scope : scope.substr(sep + 2);
}

CtagsLineResult ParseCtagsLine(const std::string& rawLine, CtagsEntry& entry) {
  std::string line = rawLine;
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  if (line.empty() || line.compare(0, 2, "!_") == 0) return CtagsLineResult::Comment;

  entry = CtagsEntry();
  size_t tab1 = line.find('\t');
  if (tab1 == std::string::npos || tab1 == 0) return CtagsLineResult::Invalid;
  size_t tab2 = line.find('\t', tab1 + 1);
  if (tab2 == std::string::npos || tab2 == tab1 + 1) return CtagsLineResult::Invalid;
  entry.name = line.substr(0, tab1);
  entry.file = line.substr(tab1 + 1, tab2 - tab1 - 1);

  // The address: a pattern (which may itself hold tabs) or a line number.
  size_t pos = tab2 + 1;
  if (pos >= line.size()) return CtagsLineResult::Invalid;
  if (line[pos] == '/' || line[pos] == '?') {
    if (!ReadPattern(line, pos, entry)) return CtagsLineResult::Invalid;
  } else {
    size_t end = line.find_first_not_of("0123456789", pos);
    if (end == std::string::npos) end = line.size();
    if (!ParseLineNumber(line.substr(pos, end - pos), entry.line)) return CtagsLineResult::Invalid;
    pos = end;
  }

  // The extension fields follow ;" and are separated by tabs.
  bool kindSeen = false;
  if (line.compare(pos, 2, ";\"") == 0) {
    pos += 2;
    while (pos < line.size()) {
      if (line[pos] == '\t') { ++pos; continue; }
      size_t next = line.find('\t', pos);
      if (next == std::string::npos) next = line.size();
      ApplyField(line.substr(pos, next - pos), entry, kindSeen);
      pos = next;
    }
  } else if (pos != line.size()) {
    return CtagsLineResult::Invalid;
  }
  entry.typeCode = TagTypeFromCtagsKind(entry.kind);
  return CtagsLineResult::Tag;
}
