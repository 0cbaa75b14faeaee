#include "host/addin/TagNamespaces.h"
#include <algorithm>

void TagNamespaces::Set(std::vector<std::string_view> names) {
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  m_names = std::move(names);
}

const char* TagNamespaces::Of(std::string_view scope) const {
  const char* best = "";
  for (size_t pos = 0;;) {
    size_t separator = scope.find("::", pos);
    std::string_view prefix = separator == std::string_view::npos ? scope : scope.substr(0, separator);
    auto found = std::lower_bound(m_names.begin(), m_names.end(), prefix);
    if (found != m_names.end() && *found == prefix) best = found->data();
    if (separator == std::string_view::npos) break;
    pos = separator + 2;
  }
  return best;
}
