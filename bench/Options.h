#pragma once
// What a run of the bench measures and how often.
#include <string>
#include <vector>
#include "fw/String.h"

namespace bench {

struct Options {
  bool quick = false;                // smaller sizes and fewer runs, for trying the bench out
  std::vector<std::string> groups;   // empty: every group
  CString folder;                    // scratch folder for files, with a trailing backslash
  CString tree;                      // a source tree (browser group), full path
  CString tags;                      // its tags file (browser group), full path

  bool Wants(const char* group) const;
  int Runs(int normal) const { return quick ? (normal > 3 ? 3 : normal) : normal; }
  // The sizes of a measurement; quick runs drop those above quickLimit.
  std::vector<int> Sizes(std::vector<int> sizes, int quickLimit) const;
};

}  // namespace bench
