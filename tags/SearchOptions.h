#pragma once
// The words that name find-text options, and the flags the IDE's find takes.
#include "fw/StringArray.h"

enum SearchFlag : long {
  kSearchMatchWord = 0x2,
  kSearchMatchCase = 0x4,
  kSearchMatchRegExp = 0x8,
  kSearchMatchBackward = 0x80,
  kSearchMatchFromStart = 0x100,
};

// The OR of the flags of the option words, each compared after lower-casing
// ("matchforward" adds nothing); unknown words are skipped.
long SearchFlagsFromWords(const CStringArray& words);
