#pragma once
// The text to search for, made from a tag's search string.
#include "fw/String.h"

// Drops the first character, whatever it is (the pattern's opening anchor),
// then every '$' at the end; a '$' elsewhere stays. Null or empty gives "".
CString PatternFromSearchString(const char* searchString);
