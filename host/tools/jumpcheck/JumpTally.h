#pragma once
// The jump check's counts: per group of tags, how many jumps landed where
// they should, and the misses by ctags kind, with the first few misses told
// in full.
#include <map>
#include <string>
#include <vector>

class JumpTally {
 public:
  explicit JumpTally(size_t examples) : m_examples(examples) {}

  // One jump of a tag of the group; a miss is counted under `missClass`
  // (what the group's misses are told apart by, `missesBy`, fixed by the
  // group's first jump) and `miss` says what happened (empty: the miss is
  // counted but not told).
  void Add(const std::string& group, const std::string& missClass, bool exact, const std::string& miss,
           const std::string& missesBy = "kind");
  // "  group: exact E of N (P %), misses by kind: ..." for every group, in the order first seen.
  void Print() const;

 private:
  struct Group {
    std::string name;
    long total = 0;
    long exact = 0;
    std::string missesBy;
    std::map<std::string, long> misses;
  };
  std::vector<Group> m_groups;
  std::vector<std::string> m_misses;
  size_t m_examples;
};
