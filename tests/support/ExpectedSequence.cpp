#include "tests/support/ExpectedSequence.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

std::string Substituted(const char* text, const Placeholders& placeholders) {
  std::string result = text ? text : "";
  for (const Placeholder& placeholder : placeholders) {
    const std::string name = placeholder.name;
    if (name.empty()) continue;
    for (size_t at = result.find(name); at != std::string::npos;) {
      result.replace(at, name.size(), placeholder.value);
      at = result.find(name, at + placeholder.value.size());   // not inside the value put in
    }
  }
  return result;
}

// A row with its placeholders filled in, as an entry to compare with.
struct Row {
  RecordEntry entry;
  bool anyArguments;
  bool anyState;
};

Row MakeRow(const Expected& expected, const Placeholders& placeholders) {
  Row row;
  row.entry.source = Substituted(expected.source, placeholders);
  row.entry.slot = expected.slot;
  row.entry.operation = expected.operation;
  row.entry.arguments = expected.arguments ? Substituted(expected.arguments, placeholders) : "*";
  row.entry.delivery = expected.delivery;
  row.entry.state = expected.state ? Substituted(expected.state, placeholders) : "";
  row.anyArguments = !expected.arguments;
  row.anyState = !expected.state;
  return row;
}

bool Matches(const Row& row, const RecordEntry& entry) {
  const RecordEntry& want = row.entry;
  return want.source == entry.source && want.slot == entry.slot && want.operation == entry.operation &&
         want.delivery == entry.delivery && (row.anyArguments || want.arguments == entry.arguments) &&
         (row.anyState || want.state == entry.state);
}

}  // namespace

CallRecord& TheRecord() {
  static CallRecord record;
  return record;
}

::testing::AssertionResult SequenceIs(const std::vector<RecordEntry>& recorded, const Expected* rows, size_t count,
                                      const Placeholders& placeholders) {
  std::vector<Row> expected;
  for (size_t i = 0; i < count; ++i) expected.push_back(MakeRow(rows[i], placeholders));
  const size_t slots = std::max(expected.size(), recorded.size());
  bool same = expected.size() == recorded.size();
  size_t width = 9;   // "(nothing)"
  for (size_t i = 0; i < slots; ++i) {
    if (i < expected.size()) width = std::max(width, expected[i].entry.Text().size());
    if (i >= expected.size() || i >= recorded.size() || !Matches(expected[i], recorded[i])) same = false;
  }
  if (same) return ::testing::AssertionSuccess();

  // Every slot, so that a shifted sequence reads as one.
  std::ostringstream out;
  out << "the sequence differs (" << expected.size() << " expected, " << recorded.size()
      << " recorded; '!' marks a slot that differs):\n";
  out << "       " << std::string("expected").append(width - 8, ' ') << " | recorded\n";
  for (size_t i = 0; i < slots; ++i) {
    const bool haveExpected = i < expected.size();
    const bool haveRecorded = i < recorded.size();
    const bool slotSame = haveExpected && haveRecorded && Matches(expected[i], recorded[i]);
    std::string left = haveExpected ? expected[i].entry.Text() : "(nothing)";
    left.resize(width, ' ');
    char index[8];
    std::snprintf(index, sizeof index, "%3u", static_cast<unsigned>(i));
    out << (slotSame ? "  " : "! ") << index << "  " << left << " | "
        << (haveRecorded ? recorded[i].Text() : "(nothing)") << "\n";
  }
  return ::testing::AssertionFailure() << out.str();
}

std::vector<RecordEntry> Only(const std::vector<RecordEntry>& entries,
                              const std::function<bool(const RecordEntry&)>& keep) {
  std::vector<RecordEntry> kept;
  for (const RecordEntry& entry : entries)
    if (keep(entry)) kept.push_back(entry);
  return kept;
}
