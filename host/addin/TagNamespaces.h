#pragma once
// The namespaces of one set of tags: the qualified names of its namespace
// tags ("geo", "geo::flat"), each text kept by the set's owner while the
// set's tags live. A tag whose scope is no namespace itself lies in the
// longest leading run of its scope's components that names one of them
// ("geo::flat" for "geo::flat::Circle"). The host's file objects of the set
// point here, so that a tag, which has no room for its namespace, finds it
// when asked.
#include <string_view>
#include <vector>

class TagNamespaces {
 public:
  // names: each text ends in a zero; any order, repeats allowed.
  void Set(std::vector<std::string_view> names);
  bool empty() const { return m_names.empty(); }
  // That longest leading run's text, or "" when no run names a namespace.
  const char* Of(std::string_view scope) const;

 private:
  std::vector<std::string_view> m_names;   // sorted, each once
};
