#include "tags/TagPattern.h"

CString PatternFromSearchString(const char* searchString) {
  if (!searchString || !*searchString) return CString();
  CString pattern(searchString + 1);
  int length = pattern.GetLength();
  while (length > 0 && pattern[length - 1] == '$') --length;
  return pattern.Left(length);
}
