#include "host/filterdialogs/SubstringFilter.h"
#include <cstdint>
#include "host/filterdialogs/LowerCase.h"

namespace {

// A group's texts are all read (once each) when the rows to search are at
// least this share of its entries; fewer rows are tested one by one.
constexpr size_t kRowsPerEntryToScan = 8;
// Results kept for taking letters back hold at most this many rows per row
// of the filter, besides the current one: typing "m" over 1.5 million names
// keeps 0.7 million rows, each further letter fewer.
constexpr size_t kKeptRowsPerRow = 1;

bool AllEmpty(const std::vector<std::string>& needles) {
  for (const std::string& needle : needles) {
    if (!needle.empty()) return false;
  }
  return true;
}

}  // namespace

char SubstringFilter::LowerByte(char byte) { return LowerAnsiByte(byte); }

std::string SubstringFilter::Lower(std::string_view text) { return LowerAnsi(text); }

SubstringFilter::SubstringFilter(const std::vector<size_t>& groupWidths) {
  for (size_t keys : groupWidths) {
    // A search counts an entry's needles in a byte: a wider group is kept as several.
    for (size_t width; keys > 0; keys -= width) {
      width = keys < 255 ? keys : 255;
      for (size_t slot = 0; slot < width; ++slot) {
        m_keyGroup.push_back(m_groups.size());
        m_keySlot.push_back(slot);
      }
      m_groups.emplace_back(width);
    }
  }
}

void SubstringFilter::Clear() {
  for (KeyGroup& group : m_groups) group.Clear();
  m_rowCount = 0;
  m_kept = std::vector<Step>();
  m_lastSearched = 0;
  m_counts = std::vector<std::vector<uint8_t>>();
  m_spare = std::vector<std::vector<DWORD>>();
}

void SubstringFilter::AddRow(const char* const* keys) {
  for (size_t g = 0, k = 0; g < m_groups.size(); k += m_groups[g].width(), ++g) m_groups[g].AddRow(keys + k);
  ++m_rowCount;
  // A new row may match a kept filter: the next Apply searches everything.
  for (Step& step : m_kept) Drop(step);
  m_kept.clear();
}

void SubstringFilter::ReserveRows(size_t rows) {
  for (KeyGroup& group : m_groups) group.ReserveRows(rows);
}

void SubstringFilter::ReserveFirstSearch() {
  m_counts.resize(m_groups.size());
  for (size_t g = 0; g < m_groups.size(); ++g) m_counts[g].assign(m_groups[g].entryCount(), 0);
  // Written once, so that its pages are there, then emptied.
  std::vector<DWORD> rows(m_rowCount);
  rows.clear();
  m_spare.push_back(std::move(rows));
}

size_t SubstringFilter::keptRows() const {
  size_t rows = 0;
  for (const Step& step : m_kept) rows += step.rows.size();
  return rows;
}

bool SubstringFilter::Narrows(const std::vector<std::string>& wider, const std::vector<std::string>& needles) const {
  for (size_t k = 0; k < needles.size(); ++k) {
    if (needles[k].find(wider[k]) == std::string::npos) return false;
  }
  return true;
}

SubstringFilter::Found SubstringFilter::Apply(const std::vector<std::string>& needles) {
  std::vector<std::string> given = needles;
  given.resize(keysPerRow());
  // Back to the newest kept filter that the new one narrows (none: every row).
  while (!m_kept.empty() && !Narrows(m_kept.back().needles, given)) {
    Drop(m_kept.back());
    m_kept.pop_back();
  }
  m_lastSearched = 0;
  if (AllEmpty(given)) return {true, nullptr, m_rowCount};
  if (m_kept.empty() || m_kept.back().needles != given) {
    const Step* from = m_kept.empty() ? nullptr : &m_kept.back();
    Step step{given, TakeBuffer()};
    Search(from ? &from->rows : nullptr, from ? from->needles : std::vector<std::string>(given.size()), given,
           step.rows);
    m_lastSearched = from ? from->rows.size() : m_rowCount;
    Keep(std::move(step));
  }
  const std::vector<DWORD>& rows = m_kept.back().rows;
  return {false, &rows, rows.size()};
}

void SubstringFilter::Keep(Step step) {
  m_kept.push_back(std::move(step));
  // The oldest results go first: they are the largest, but the budget bounds memory, not time.
  size_t older = keptRows() - m_kept.back().rows.size();
  while (m_kept.size() > 1 && older > kKeptRowsPerRow * m_rowCount) {
    older -= m_kept.front().rows.size();
    Drop(m_kept.front());
    m_kept.erase(m_kept.begin());
  }
}

void SubstringFilter::Drop(Step& step) {
  // Spare rows for as many rows as the filter has, at most.
  size_t spare = step.rows.capacity();
  for (const std::vector<DWORD>& rows : m_spare) spare += rows.capacity();
  if (spare > m_rowCount) return;
  step.rows.clear();
  m_spare.push_back(std::move(step.rows));
}

std::vector<DWORD> SubstringFilter::TakeBuffer() {
  if (m_spare.empty()) return {};
  // The largest: a search over every row may fill it.
  size_t largest = 0;
  for (size_t i = 1; i < m_spare.size(); ++i) {
    if (m_spare[i].capacity() > m_spare[largest].capacity()) largest = i;
  }
  std::vector<DWORD> rows = std::move(m_spare[largest]);
  m_spare.erase(m_spare.begin() + static_cast<std::ptrdiff_t>(largest));
  return rows;
}

void SubstringFilter::Search(const std::vector<DWORD>* candidates, const std::vector<std::string>& base,
                             const std::vector<std::string>& needles, std::vector<DWORD>& rows) {
  // Each group with a needle that the rows searched may not hold yet: either
  // a count for each of its entries of the needles it holds (every text read
  // once), or its needles tested on each row's entry.
  struct GroupTest {
    const KeyGroup* group;
    std::vector<std::pair<size_t, std::string_view>> keys;   // slot, needle
    const uint8_t* counts;                                    // null: test row by row
  };
  const size_t searched = candidates ? candidates->size() : m_rowCount;
  std::vector<GroupTest> tests;
  m_counts.resize(m_groups.size());
  for (size_t g = 0; g < m_groups.size(); ++g) {
    GroupTest test{&m_groups[g], {}, nullptr};
    for (size_t k = 0; k < needles.size(); ++k) {
      if (m_keyGroup[k] == g && !needles[k].empty() && needles[k] != base[k])
        test.keys.push_back({m_keySlot[k], needles[k]});
    }
    if (test.keys.empty()) continue;
    if (searched * kRowsPerEntryToScan >= test.group->entryCount()) {
      std::vector<uint8_t>& counts = m_counts[g];
      counts.assign(test.group->entryCount(), 0);
      for (const auto& [slot, needle] : test.keys) test.group->CountHolding(slot, needle, counts.data());
      test.counts = counts.data();
    }
    tests.push_back(std::move(test));
  }
  rows.clear();
  if (tests.size() == 1 && tests[0].counts) {
    // The usual case, one filter typed into: a look-up per row.
    const KeyGroup& group = *tests[0].group;
    const uint8_t* counts = tests[0].counts;
    const uint8_t need = static_cast<uint8_t>(tests[0].keys.size());
    if (candidates) {
      for (DWORD row : *candidates) {
        if (counts[group.EntryOf(row)] == need) rows.push_back(row);
      }
    } else {
      for (DWORD row = 0; row < m_rowCount; ++row) {
        if (counts[group.EntryOf(row)] == need) rows.push_back(row);
      }
    }
    return;
  }
  // Rows tested one by one; rows of one entry often come together, so the
  // last entry's answer is kept for each group tested that way.
  std::vector<std::pair<DWORD, bool>> last(tests.size(), {0xFFFFFFFF, false});
  auto matches = [&](DWORD row) {
    for (size_t t = 0; t < tests.size(); ++t) {
      const GroupTest& test = tests[t];
      DWORD entry = test.group->EntryOf(row);
      if (test.counts) {
        if (test.counts[entry] != test.keys.size()) return false;
        continue;
      }
      if (last[t].first != entry) {
        bool holds = true;
        for (const auto& [slot, needle] : test.keys) holds = holds && test.group->Holds(entry, slot, needle);
        last[t] = {entry, holds};
      }
      if (!last[t].second) return false;
    }
    return true;
  };
  if (candidates) {
    for (DWORD row : *candidates) {
      if (matches(row)) rows.push_back(row);
    }
  } else {
    for (DWORD row = 0; row < m_rowCount; ++row) {
      if (matches(row)) rows.push_back(row);
    }
  }
}
