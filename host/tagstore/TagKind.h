#pragma once
// The thirteen tag type codes of the tag browser's "Type" column, and the
// mapping from the kinds that Universal Ctags writes (long names with
// --fields=+K, or the one-letter C/C++ kinds without it).
#include <string>

enum TagTypeCode : int {
  TagClass = 0, TagDecl = 1, TagDefine = 2, TagEnum = 3, TagEnumVal = 4, TagFile = 5,
  TagFunction = 6, TagMemVar = 7, TagNSpace = 8, TagStruct = 9, TagTypedef = 10,
  TagUnion = 11, TagVariable = 12
};

// The type code of a ctags kind, or -1 when the kind has no place in the
// tag browser (labels, macro parameters, using-directives and the like).
int TagTypeFromCtagsKind(const std::string& kind);
