#pragma once
// The tests' one way to say what happened: the program's record of calls and
// messages (fed by the host's objects, the reference IDE's objects, the stub
// objects and the window hooks), compared with an expected sequence written
// as a static table. A sequence that differs prints every slot, expected
// beside recorded, with each operation's name beside its slot.
#include <gtest/gtest.h>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>
#include "host/record/CallRecord.h"

// The test program's record; each test clears it where its sequence starts.
CallRecord& TheRecord();

// One row of an expected sequence.
struct Expected {
  const char* source;
  int slot;
  const char* operation;
  const char* arguments;             // null: any
  Delivery delivery = Delivery::Call;
  const char* state = nullptr;       // null: not compared
};

// A text known only when the test runs (a temporary path), written in the
// table by its name ("$file").
struct Placeholder {
  const char* name;
  std::string value;
};
typedef std::vector<Placeholder> Placeholders;

// Whether the entries are the rows, in order and no more.
::testing::AssertionResult SequenceIs(const std::vector<RecordEntry>& recorded, const Expected* rows, size_t count,
                                      const Placeholders& placeholders = {});
template <size_t N>
::testing::AssertionResult SequenceIs(const std::vector<RecordEntry>& recorded, const Expected (&rows)[N],
                                      const Placeholders& placeholders = {}) {
  return SequenceIs(recorded, rows, N, placeholders);
}
inline ::testing::AssertionResult NothingRecorded(const std::vector<RecordEntry>& recorded) {
  return SequenceIs(recorded, nullptr, 0);
}

// The entries that `keep` picks, in order.
std::vector<RecordEntry> Only(const std::vector<RecordEntry>& entries,
                              const std::function<bool(const RecordEntry&)>& keep);
