#include "bench/Options.h"

namespace bench {

bool Options::Wants(const char* group) const {
  if (groups.empty()) return true;
  for (const std::string& g : groups)
    if (g == group) return true;
  return false;
}

std::vector<int> Options::Sizes(std::vector<int> sizes, int quickLimit) const {
  if (!quick) return sizes;
  std::vector<int> kept;
  for (int size : sizes)
    if (size <= quickLimit) kept.push_back(size);
  return kept;
}

}  // namespace bench
