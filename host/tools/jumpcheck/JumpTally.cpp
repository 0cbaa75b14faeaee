#include "host/tools/jumpcheck/JumpTally.h"
#include <cstdio>

void JumpTally::Add(const std::string& group, const std::string& missClass, bool exact, const std::string& miss,
                    const std::string& missesBy) {
  Group* found = nullptr;
  for (Group& each : m_groups) {
    if (each.name == group) found = &each;
  }
  if (!found) {
    m_groups.push_back(Group());
    found = &m_groups.back();
    found->name = group;
    found->missesBy = missesBy;
  }
  ++found->total;
  if (exact) {
    ++found->exact;
    return;
  }
  ++found->misses[missClass.empty() ? "(no " + found->missesBy + ")" : missClass];
  if (!miss.empty() && m_misses.size() < m_examples) m_misses.push_back(miss);
}

void JumpTally::Print() const {
  for (const Group& group : m_groups) {
    std::printf("  %-36s exact %ld of %ld (%.3f %%)\n", (group.name + ":").c_str(), group.exact, group.total,
                group.total ? 100.0 * static_cast<double>(group.exact) / static_cast<double>(group.total) : 100.0);
    if (group.misses.empty()) continue;
    std::printf("    misses by %s:", group.missesBy.c_str());
    for (const auto& each : group.misses) std::printf(" %s %ld", each.first.c_str(), each.second);
    std::printf("\n");
  }
  for (const std::string& miss : m_misses) std::printf("  miss: %s\n", miss.c_str());
}
