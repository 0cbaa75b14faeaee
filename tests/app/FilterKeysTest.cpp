// The filters' keys over many rows: texts kept whole across the block's
// chunks, rows with the same texts sharing an entry, and every way of finding
// a needle (a scan of every distinct text, a test row by row, a kept result)
// finding what a plain search of each row's lower-cased keys finds.
#include <gtest/gtest.h>
#include <algorithm>
#include <random>
#include <string>
#include <vector>
#include "host/filterdialogs/LowerCase.h"
#include "host/filterdialogs/KeyGroup.h"
#include "host/filterdialogs/SubstringFilter.h"
#include "host/filterdialogs/TextBlock.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

// What a filter must find: rows whose every key, lower-cased, holds its needle.
std::vector<DWORD> Plain(const Table& rows, const std::vector<std::string>& needles) {
  std::vector<DWORD> found;
  for (size_t r = 0; r < rows.size(); ++r) {
    bool all = true;
    for (size_t k = 0; k < needles.size() && all; ++k) all = LowerAnsi(rows[r][k]).find(needles[k]) != std::string::npos;
    if (all) found.push_back(static_cast<DWORD>(r));
  }
  return found;
}

std::vector<DWORD> Listed(SubstringFilter::Found found) {
  std::vector<DWORD> rows;
  for (size_t i = 0; i < found.size(); ++i) rows.push_back(found[i]);
  return rows;
}

void AddAll(SubstringFilter& filter, const Table& rows) {
  for (const auto& row : rows) {
    std::vector<const char*> keys;
    for (const std::string& key : row) keys.push_back(key.c_str());
    filter.AddRow(keys.data());
  }
}

// Texts of a few letters, both cases, a colon, an underscore and bytes above
// 127 (an upper- and a lower-case letter of the ANSI code page), so that
// needles are often found, repeats are common and the system's lower case of
// every kind of byte is used.
std::string RandomText(std::mt19937& random, size_t maxLength) {
  static const char alphabet[] = "abcAB_:\xC4\xE4";
  std::string text(std::uniform_int_distribution<size_t>(0, maxLength)(random), ' ');
  for (char& ch : text) ch = alphabet[std::uniform_int_distribution<size_t>(0, sizeof(alphabet) - 2)(random)];
  return text;
}

TEST(TextBlock, TextsStayWholeAndInOrderAcrossChunks) {
  TextBlock block;
  std::mt19937 random(7);
  std::vector<std::string> texts;
  std::vector<DWORD> offsets;
  // Enough bytes for several chunks, one text longer than a chunk, empty ones.
  for (int i = 0; i < 40000; ++i) texts.push_back(RandomText(random, 90));
  texts.insert(texts.begin() + 20000, std::string(TextBlock::kChunkBytes + 5000, 'x'));
  std::string all;
  for (const std::string& text : texts) {
    offsets.push_back(block.Append(text.data(), text.size()));
    EXPECT_EQ(offsets.back(), all.size());
    all += text;
  }
  EXPECT_EQ(block.end(), all.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    if (texts[i].empty()) continue;
    ASSERT_EQ(std::string(block.At(offsets[i]), texts[i].size()), texts[i]) << i;
  }
  // The runs put every byte back in order, and no text is cut by a run's end.
  std::string again;
  std::vector<DWORD> runEnds;
  block.ForEachRun(0, block.end(), [&](const char* data, DWORD from, DWORD to) {
    EXPECT_EQ(from, again.size());
    again.append(data, to - from);
    runEnds.push_back(to);
  });
  EXPECT_EQ(again, all);
  EXPECT_GT(runEnds.size(), 2u);
  for (DWORD end : runEnds) {
    EXPECT_TRUE(end == block.end() || std::find(offsets.begin(), offsets.end(), end) != offsets.end()) << end;
  }
  // A part of the block, starting and ending inside texts.
  std::string part;
  block.ForEachRun(1000, 1500000, [&](const char* data, DWORD from, DWORD to) { part.append(data, to - from); });
  EXPECT_EQ(part, all.substr(1000, 1500000 - 1000));
}

TEST(KeyGroup, RowsWithTheSameTextsShareAnEntryLetterCaseIgnored) {
  KeyGroup group(2);
  const char* rows[][2] = {{"Circle", "geo::Circle::"}, {"circle", "GEO::circle::"}, {"Square", nullptr},
                           {"CIRCLE", "geo::CIRCLE::"}, {"", ""},  {"ab", "c"}, {"a", "bc"}};
  for (auto& row : rows) group.AddRow(row);
  EXPECT_EQ(group.rowCount(), 7u);
  EXPECT_EQ(group.EntryOf(1), group.EntryOf(0));   // the row before
  EXPECT_EQ(group.EntryOf(3), group.EntryOf(0));   // seen further up
  EXPECT_NE(group.EntryOf(2), group.EntryOf(0));
  // Where one key ends and the next begins is part of the texts.
  EXPECT_NE(group.EntryOf(5), group.EntryOf(6));
  EXPECT_EQ(group.entryCount(), 5u);
  EXPECT_EQ(group.Text(group.EntryOf(3), 0), "circle");
  EXPECT_EQ(group.Text(group.EntryOf(3), 1), "geo::circle::");
  EXPECT_EQ(group.Text(group.EntryOf(2), 1), "");
  EXPECT_EQ(group.Text(group.EntryOf(6), 1), "bc");
}

TEST(KeyGroup, CountingTheTextsThatHoldANeedleFindsWhatAPlainSearchFinds) {
  KeyGroup group(2);
  std::mt19937 random(11);
  std::vector<std::string> first, second;
  // Over a MiB of texts, so that the scan crosses chunks; many repeats.
  for (int i = 0; i < 60000; ++i) {
    first.push_back(RandomText(random, i % 50 == 0 ? 200 : 24));
    second.push_back(i % 3 ? RandomText(random, 3) : "");
    const char* keys[] = {first.back().c_str(), second.back().c_str()};
    group.AddRow(keys);
  }
  ASSERT_LT(group.entryCount(), group.rowCount());
  for (int n = 0; n < 60; ++n) {
    std::string needle = LowerAnsi(RandomText(random, 1 + n % 6));
    if (needle.empty()) needle = "a";
    for (size_t slot = 0; slot < 2; ++slot) {
      std::vector<uint8_t> counts(group.entryCount(), 0);
      group.CountHolding(slot, needle, counts.data());
      const std::vector<std::string>& texts = slot == 0 ? first : second;
      for (DWORD row = 0; row < group.rowCount(); ++row) {
        bool holds = LowerAnsi(texts[row]).find(needle) != std::string::npos;
        ASSERT_EQ(counts[group.EntryOf(row)], holds ? 1 : 0) << "needle " << needle << " slot " << slot << " row " << row;
        ASSERT_EQ(group.Holds(group.EntryOf(row), slot, needle), holds) << needle << " row " << row;
      }
    }
  }
  // A needle with a zero byte is in no text, even where the block holds "a", 0, "b".
  KeyGroup pair(2);
  const char* keys[] = {"a", "b"};
  pair.AddRow(keys);
  std::vector<uint8_t> counts(1, 0);
  pair.CountHolding(0, std::string("a\0b", 3), counts.data());
  pair.CountHolding(1, std::string("a\0b", 3), counts.data());
  EXPECT_EQ(counts[0], 0);
  EXPECT_FALSE(pair.Holds(0, 0, std::string("a\0", 2)));
}

// One-byte needles, the first key typed: letters and the other bytes of
// names and paths answer from each text's bits, every other byte (digits,
// a dash, a space, bytes above 127) from a scan; both count what a plain
// search finds, in either text of an entry, and add to what is counted.
TEST(KeyGroup, OneByteNeedlesFindWhatAPlainSearchFinds) {
  static const char alphabet[] = "azAZ_:.\\09- \xC4\xE4";
  KeyGroup group(2);
  std::mt19937 random(5);
  std::vector<std::string> texts[2];
  for (int i = 0; i < 5000; ++i) {
    for (std::vector<std::string>& slot : texts) {
      std::string text(std::uniform_int_distribution<size_t>(0, 4)(random), ' ');
      for (char& ch : text) ch = alphabet[std::uniform_int_distribution<size_t>(0, sizeof(alphabet) - 2)(random)];
      slot.push_back(text);
    }
    const char* keys[] = {texts[0].back().c_str(), texts[1].back().c_str()};
    group.AddRow(keys);
  }
  for (const char* p = alphabet; *p; ++p) {
    const std::string needle = LowerAnsi(std::string(1, *p));
    std::vector<uint8_t> counts(group.entryCount(), 0);
    group.CountHolding(0, needle, counts.data());
    group.CountHolding(1, needle, counts.data());
    for (DWORD row = 0; row < group.rowCount(); ++row) {
      int holds = 0;
      for (const std::vector<std::string>& slot : texts) holds += LowerAnsi(slot[row]).find(needle) != std::string::npos;
      ASSERT_EQ(counts[group.EntryOf(row)], holds) << "needle " << needle << " row " << row;
    }
  }
}

// Typing into two filters over enough rows that whole scans, row-by-row
// tests and kept results all answer.
TEST(SubstringFilter, TypingAndTakingLettersBackFindsWhatAPlainSearchFinds) {
  std::mt19937 random(5);
  Table rows;
  for (int i = 0; i < 30000; ++i) {
    std::string scope = i % 4 ? RandomText(random, 6) : "";
    rows.push_back({RandomText(random, 12), scope, scope.empty() ? "" : scope + "::"});
  }
  SubstringFilter filter({1, 2});
  AddAll(filter, rows);
  const std::vector<std::vector<std::string>> steps = {
      {"a", "", ""},     {"ab", "", ""},     {"abc", "", ""},   {"ab", "", ""},  {"a", "", ""},
      {"", "", ""},      {"\xe4", "", ""},   {"\xe4" "b", "", ""}, {"c", "", ""}, {"c", "a", ""},
      {"c", "ab", ""},   {"c", "", "ab:"},   {"c", "", "ab::"},   {"c", "", "b:"}, {"ca", "", "b:"},
      {"c", "", "b:"},   {"c", "", ""},      {"", "_", ""},      {"b", "_", ""},   {"zz", "", ""}};
  for (size_t i = 0; i < steps.size(); ++i) {
    SubstringFilter::Found found = filter.Apply(steps[i]);
    ASSERT_EQ(Listed(found), Plain(rows, steps[i])) << "step " << i;
    EXPECT_EQ(found.everyRow, steps[i] == std::vector<std::string>(3)) << "step " << i;
    EXPECT_LE(filter.keptRows(), 2 * rows.size());
  }
  // Back from "abc" to "ab" and "a" took kept results, searching nothing.
  filter.Apply({"a", "", ""});
  filter.Apply({"ab", "", ""});
  filter.Apply({"abc", "", ""});
  filter.Apply({"ab", "", ""});
  EXPECT_EQ(filter.lastSearched(), 0u);
  EXPECT_EQ(Listed(filter.Apply({"a", "", ""})), Plain(rows, {"a", "", ""}));
  EXPECT_EQ(filter.lastSearched(), 0u);
}

TEST(SubstringFilter, KeptResultsStayWithinTheirBudgetAndStillFindEveryRow) {
  // Every row holds every needle typed: each result is every row again.
  Table rows(5000, std::vector<std::string>{std::string(30, 'a')});
  SubstringFilter filter(1);
  AddAll(filter, rows);
  std::string needle;
  for (int i = 0; i < 12; ++i) {
    needle += 'a';
    ASSERT_EQ(filter.Apply({needle}).size(), rows.size()) << needle;
    // The current result, and no more than one row's worth of older ones.
    EXPECT_LE(filter.keptRows(), 2 * rows.size()) << needle;
  }
  // The oldest went: taking letters back searches again, and finds the same.
  for (int i = 0; i < 11; ++i) {
    needle.pop_back();
    ASSERT_EQ(filter.Apply({needle}).size(), rows.size()) << needle;
  }
  EXPECT_EQ(filter.lastSearched(), rows.size());
}

}  // namespace
