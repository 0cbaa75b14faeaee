#pragma once
// One line of a tags file in the format Universal Ctags writes:
//   name<TAB>file<TAB>address;"<TAB>field<TAB>field...
// where the address is a search pattern /^text$/ (or ?^text$?) or a line
// number, and the fields are kind:..., line:N, scope fields (class:A::B,
// namespace:ns, struct:S, ...) and others that are kept but not used.
#include <string>

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

CtagsLineResult ParseCtagsLine(const std::string& line, CtagsEntry& entry);

// The last component of a qualified name ("a::b::C" gives "C").
std::string LastScopeComponent(const std::string& scope);
