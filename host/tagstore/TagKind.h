#pragma once
// The thirteen tag type codes of the tag browser's "Type" column, and the
// mapping from the kinds that Universal Ctags writes (long names with
// --fields=+K, or the one-letter C/C++ kinds without it). Each kind the table
// knows has a number of its own, so that a tag can keep the kind as it was
// written in one byte.
#include <string_view>

enum TagTypeCode : int {
  TagClass = 0, TagDecl = 1, TagDefine = 2, TagEnum = 3, TagEnumVal = 4, TagFile = 5,
  TagFunction = 6, TagMemVar = 7, TagNSpace = 8, TagStruct = 9, TagTypedef = 10,
  TagUnion = 11, TagVariable = 12
};

// The type code of a ctags kind, or -1 when the kind has no place in the
// tag browser (labels, macro parameters, using-directives and the like).
int TagTypeFromCtagsKind(std::string_view kind);

// The kind's number in the table, or -1 for a kind it does not know; and
// back from a number to the kind's name as ctags writes it ("" outside the table).
int CtagsKindNumber(std::string_view kind);
const char* CtagsKindName(int number);
int TagTypeOfKindNumber(int number);
