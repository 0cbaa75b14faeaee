#include "host/tagstore/CtagsLine.h"
#include <cstring>
#include "host/tagstore/TextScan.h"
#include "host/tagstore/TagKind.h"

namespace {

// The scope field names that ctags writes for C and C++ (and a few languages
// with the same idea); any of them names the tag's enclosing scope. Their
// numbers start at 1.
// (Literals: each text ends in a zero.)
constexpr std::string_view kScopes[] = {"", "class", "struct", "union", "enum", "namespace",
                                        "function", "interface", "typedef", "prototype"};
constexpr int kScopeCount = static_cast<int>(sizeof(kScopes) / sizeof(kScopes[0]));

bool ParseLineNumber(std::string_view text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  int number = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return false;
    number = number * 10 + (ch - '0');
  }
  value = number;
  return true;
}

bool IsEscapedInPattern(char ch, char delimiter) {
  return ch == delimiter || ch == '\\' || ch == '/' || ch == '?' || ch == '$' || ch == '^';
}

// Finds the end of the pattern address that starts at line[pos] (the opening
// delimiter). Universal Ctags puts a backslash before a backslash, before the
// delimiter and before a '$' that ends the source line (so that it is not
// read as the end anchor); a backslash before '/', '?' or '^' is undone as
// well, since other writers escape those. Any other backslash stands for
// itself. An unescaped '^' first and '$' last are the anchors: they stay in
// the pattern (the module strips them) and are noted. On success pos is just
// past the closing delimiter.
bool FindPattern(std::string_view line, size_t& pos, CtagsFields& fields) {
  const char delimiter = line[pos];
  const char* const start = line.data() + pos + 1;
  const char* const end = line.data() + line.size();
  const char* escapedTo = nullptr;   // just past the last escape undone
  for (const char* p = start;;) {
    p = FindEither(p, end, delimiter, '\\');
    if (p == end) return false;
    if (*p == '\\') {
      // An escape undone takes the next character too; any other backslash stands for itself.
      if (p + 1 < end && IsEscapedInPattern(p[1], delimiter)) {
        p += 2;
        escapedTo = p;
      } else {
        ++p;
      }
      continue;
    }
    fields.delimiter = delimiter;
    fields.pattern = std::string_view(start, static_cast<size_t>(p - start));
    fields.patternFromLineStart = start[0] == '^';
    fields.patternToLineEnd = p > start && p[-1] == '$' && escapedTo != p;
    pos = static_cast<size_t>(p - line.data()) + 1;
    return true;
  }
}

bool Same(std::string_view a, std::string_view b) { return a.size() == b.size() && SameBytes(a.data(), b.data(), a.size()); }

// The position of c in text from pos on, or npos.
size_t Find(std::string_view text, char c, size_t pos = 0) {
  const char* end = text.data() + text.size();
  const char* found = FindByte(text.data() + pos, end, c);
  return found == end ? std::string_view::npos : static_cast<size_t>(found - text.data());
}

void ApplyField(std::string_view field, CtagsFields& fields, bool& kindSeen) {
  size_t colon = Find(field, ':');
  if (colon == std::string_view::npos) {
    // Without --fields=+K the kind is a bare letter; other bare words are ignored.
    if (!kindSeen && !field.empty()) {
      fields.kind = field;
      kindSeen = true;
    }
    return;
  }
  std::string_view key = field.substr(0, colon);
  std::string_view value = field.substr(colon + 1);
  if (Same(key, "kind")) {
    fields.kind = value;
    fields.kindEscaped = true;
    kindSeen = true;
  } else if (Same(key, "line")) {
    // Escapes never leave a value of digits only: the value is read as written.
    int line = 0;
    if (ParseLineNumber(value, line)) fields.line = line;
  } else if (fields.scopeKind == 0) {
    int scope = ScopeKindNumber(key);
    if (scope != 0) {
      fields.scopeKind = scope;
      fields.scope = value;
    }
  }
}

std::string Unescaped(std::string_view escaped, bool pattern, char delimiter = 0) {
  std::string text(escaped.size(), '\0');
  text.resize(pattern ? UnescapePattern(escaped, delimiter, &text[0]) : UnescapeFieldValue(escaped, &text[0]));
  return text;
}

}  // namespace

const char* ScopeKindName(int number) { return number > 0 && number < kScopeCount ? kScopes[number].data() : ""; }

int ScopeKindNumber(std::string_view name) {
  for (int number = 1; number < kScopeCount; ++number) {
    if (Same(name, kScopes[number])) return number;
  }
  return 0;
}

size_t UnescapePattern(std::string_view escaped, char delimiter, char* out) {
  char* start = out;
  const char* p = escaped.data();
  const char* end = p + escaped.size();
  while (p < end) {
    // The run up to the next backslash as it is, then the backslash's pair.
    const char* backslash = FindByte(p, end, '\\');
    CopyBytes(out, p, static_cast<size_t>(backslash - p));
    out += backslash - p;
    if (backslash == end) break;
    p = backslash;
    if (p + 1 < end && IsEscapedInPattern(p[1], delimiter)) ++p;
    *out++ = *p++;
  }
  return static_cast<size_t>(out - start);
}

size_t UnescapeFieldValue(std::string_view escaped, char* out) {
  char* start = out;
  for (size_t i = 0; i < escaped.size(); ++i) {
    char ch = escaped[i];
    if (ch == '\\' && i + 1 < escaped.size()) {
      char next = escaped[i + 1];
      char plain = next == '\\' ? '\\' : next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : 0;
      if (plain) {
        ch = plain;
        ++i;
      }
    }
    *out++ = ch;
  }
  return static_cast<size_t>(out - start);
}

std::string LastScopeComponent(const std::string& scope) {
  return std::string(LastScopeComponent(std::string_view(scope)));
}

std::string_view LastScopeComponent(std::string_view scope) {
  size_t sep = scope.rfind("::");
  return sep == std::string_view::npos ? scope : scope.substr(sep + 2);
}

CtagsLineResult SplitCtagsLine(std::string_view line, CtagsFields& fields) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  if (line.empty() || (line.size() >= 2 && line[0] == '!' && line[1] == '_')) return CtagsLineResult::Comment;

  fields = CtagsFields();
  size_t tab1 = Find(line, '\t');
  if (tab1 == std::string_view::npos || tab1 == 0) return CtagsLineResult::Invalid;
  size_t tab2 = Find(line, '\t', tab1 + 1);
  if (tab2 == std::string_view::npos || tab2 == tab1 + 1) return CtagsLineResult::Invalid;
  fields.name = line.substr(0, tab1);
  fields.file = line.substr(tab1 + 1, tab2 - tab1 - 1);

  // The address: a pattern (which may itself hold tabs) or a line number.
  size_t pos = tab2 + 1;
  if (pos >= line.size()) return CtagsLineResult::Invalid;
  if (line[pos] == '/' || line[pos] == '?') {
    if (!FindPattern(line, pos, fields)) return CtagsLineResult::Invalid;
  } else {
    size_t end = line.find_first_not_of("0123456789", pos);
    if (end == std::string_view::npos) end = line.size();
    if (!ParseLineNumber(line.substr(pos, end - pos), fields.line)) return CtagsLineResult::Invalid;
    pos = end;
  }

  // The extension fields follow ;" and are separated by tabs.
  bool kindSeen = false;
  if (pos + 1 < line.size() && line[pos] == ';' && line[pos + 1] == '"') {
    pos += 2;
    while (pos < line.size()) {
      if (line[pos] == '\t') {
        ++pos;
        continue;
      }
      size_t next = Find(line, '\t', pos);
      if (next == std::string_view::npos) next = line.size();
      ApplyField(line.substr(pos, next - pos), fields, kindSeen);
      pos = next;
    }
  } else if (pos != line.size()) {
    return CtagsLineResult::Invalid;
  }
  return CtagsLineResult::Tag;
}

CtagsLineResult ParseCtagsLine(const std::string& line, CtagsEntry& entry) {
  CtagsFields fields;
  CtagsLineResult result = SplitCtagsLine(line, fields);
  if (result != CtagsLineResult::Tag) return result;
  entry = CtagsEntry();
  entry.name = std::string(fields.name);
  entry.file = std::string(fields.file);
  entry.searchString = Unescaped(fields.pattern, true, fields.delimiter);
  entry.patternFromLineStart = fields.patternFromLineStart;
  entry.patternToLineEnd = fields.patternToLineEnd;
  entry.line = fields.line;
  entry.kind = fields.kindEscaped ? Unescaped(fields.kind, false) : std::string(fields.kind);
  entry.typeCode = TagTypeFromCtagsKind(entry.kind);
  entry.scopeKind = ScopeKindName(fields.scopeKind);
  entry.scope = Unescaped(fields.scope, false);
  return CtagsLineResult::Tag;
}
