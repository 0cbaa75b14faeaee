#pragma once
// One line of a tags file in the format Universal Ctags writes:
//   name<TAB>file<TAB>address;"<TAB>field<TAB>field...
// where the address is a search pattern /^text$/ (or ?^text$?) or a line
// number, and the fields are kind:..., line:N, scope fields (class:A::B,
// namespace:ns, struct:S, ...) and others that are kept but not used.
//
// SplitCtagsLine finds the parts the host uses without copying anything;
// the pattern and the scope keep their escapes until they are written out
// (UnescapePattern, UnescapeFieldValue). ParseCtagsLine does both into a
// CtagsEntry of its own.
#include <cstddef>
#include <string>
#include <string_view>

struct CtagsEntry {
  std::string name;
  std::string file;           // as written in the tags file
  std::string searchString;   // the pattern between the delimiters, unescaped; empty for a line address
  bool patternFromLineStart = false;   // it begins with the anchor '^'
  bool patternToLineEnd = false;       // it ends with the anchor '$' (not with an escaped '$')
  int line = -1;              // line:N, or the numeric address; -1 when neither is given
  std::string kind;           // kind name (or letter) as written
  int typeCode = -1;          // TagTypeCode, -1 for a kind the browser does not show
  std::string scopeKind;      // e.g. "class", "namespace"; empty when the tag has no scope
  std::string scope;          // e.g. "outer::inner::Widget"
};

enum class CtagsLineResult {
  Tag,       // entry filled
  Comment,   // a !_TAG_ pseudo tag or an empty line
  Invalid    // not a tag line (entry unspecified)
};

// The parts of one tag line, as views into the line.
struct CtagsFields {
  std::string_view name;
  std::string_view file;
  std::string_view pattern;   // between the delimiters, escapes still in; empty for a line address
  char delimiter = 0;         // '/' or '?'; 0 for a line address
  bool patternFromLineStart = false;
  bool patternToLineEnd = false;
  int line = -1;
  std::string_view kind;      // as written (a kind: value's escapes still in)
  bool kindEscaped = false;   // the kind came from a kind: field, whose value may hold escapes
  int scopeKind = 0;          // ScopeKindName's number of the first scope field; 0 for none
  std::string_view scope;     // that field's value, escapes still in
};

// The line without its line end(s), split; fields is unspecified unless Tag.
CtagsLineResult SplitCtagsLine(std::string_view line, CtagsFields& fields);

// The pattern's text with its escapes undone, written to out (room for
// escaped.size() characters; nothing more is written, no terminator). Returns
// the number of characters written.
size_t UnescapePattern(std::string_view escaped, char delimiter, char* out);
// The same for a field value (\\ \t \r \n).
size_t UnescapeFieldValue(std::string_view escaped, char* out);

// The scope field names by number, from 1 ("class", "struct", ...); "" for 0.
const char* ScopeKindName(int number);
// The scope kind's number; 0 for a name that is no scope field.
int ScopeKindNumber(std::string_view name);

CtagsLineResult ParseCtagsLine(const std::string& line, CtagsEntry& entry);

// The last component of a qualified name ("a::b::C" gives "C").
std::string LastScopeComponent(const std::string& scope);
std::string_view LastScopeComponent(std::string_view scope);
