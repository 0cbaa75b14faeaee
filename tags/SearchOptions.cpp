#include "tags/SearchOptions.h"

namespace {

struct OptionWord {
  const char* word;
  long flag;
};

// Compared in this order; the first equal word counts.
const OptionWord kOptionWords[] = {
    {"matchforward", 0},
    {"matchbackward", kSearchMatchBackward},
    {"matchfromstart", kSearchMatchFromStart},
    {"matchword", kSearchMatchWord},
    {"matchcase", kSearchMatchCase},
    {"matchregexp", kSearchMatchRegExp},
};

}  // namespace

long SearchFlagsFromWords(const CStringArray& words) {
  long flags = 0;
  for (int i = 0; i < words.GetSize(); ++i) {
    CString lowered = words.GetAt(i);
    lowered.MakeLower();
    for (const OptionWord& option : kOptionWords) {
      if (lowered == option.word) {
        flags |= option.flag;
        break;
      }
    }
  }
  return flags;
}
