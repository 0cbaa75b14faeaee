#include "host/app/jumpcheck/JumpTally.h"
#include <cstdio>

void JumpTally::Add(const std::string& group, const std::string& kind, bool exact, const std::string& miss) {
  Group* found = nullptr;
  for (Group& each : m_groups) {
    if (each.name == group) found = &each;
  }
  if (!found) {
    m_groups.push_back(Group());
    found = &m_groups.back();
    found->name = group;
  }
  ++found->total;
  if (exact) {
    ++found->exact;
    return;
  }
  ++found->missesByKind[kind.empty() ? "(no kind)" : kind];
  if (!miss.empty() && m_misses.size() < m_examples) m_misses.push_back(miss);
}

void JumpTally::Print() const {
  for (const Group& group : m_groups) {
    std::printf("  %-36s exact %ld of %ld (%.3f %%)\n", (group.name + ":").c_str(), group.exact, group.total,
                group.total ? 100.0 * static_cast<double>(group.exact) / static_cast<double>(group.total) : 100.0);
    if (group.missesByKind.empty()) continue;
    std::printf("    misses by kind:");
    for (const auto& kind : group.missesByKind) std::printf(" %s %ld", kind.first.c_str(), kind.second);
    std::printf("\n");
  }
  for (const std::string& miss : m_misses) std::printf("  miss: %s\n", miss.c_str());
}
