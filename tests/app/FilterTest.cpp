// The filters of the tag browser and the file picker: precomputed lower-case
// keys, every key containing its needle, and narrowing from the last result
// that must find exactly what a search of every row finds.
#include <gtest/gtest.h>
#include "host/filterdialogs/FilePickerDialog.h"
#include "host/filterdialogs/SubstringFilter.h"
#include "host/filterdialogs/TagBrowserDialog.h"

namespace {

SubstringFilter Filled(const std::vector<std::vector<std::string>>& rows, size_t keysPerRow) {
  SubstringFilter filter(keysPerRow);
  filter.Clear();
  for (const auto& row : rows) {
    std::vector<const char*> keys;
    for (const std::string& key : row) keys.push_back(key.c_str());
    filter.AddRow(keys.data());
  }
  return filter;
}

std::vector<DWORD> Found(SubstringFilter& filter, const std::vector<std::string>& needles) {
  SubstringFilter::Found found = filter.Apply(needles);
  std::vector<DWORD> rows;
  for (size_t i = 0; i < found.size(); ++i) rows.push_back(found[i]);
  return rows;
}

TEST(SubstringFilter, EveryKeyMustHoldItsNeedleLetterCaseIgnored) {
  SubstringFilter filter = Filled({{"Draw", "Circle"}, {"DrawAll", "Square"}, {"paint", "Circle"}, {"", ""}}, 2);
  EXPECT_EQ(Found(filter, {"", ""}), (std::vector<DWORD>{0, 1, 2, 3}));
  EXPECT_EQ(Found(filter, {"draw", ""}), (std::vector<DWORD>{0, 1}));
  EXPECT_EQ(Found(filter, {"raw", "circ"}), (std::vector<DWORD>{0}));
  EXPECT_EQ(Found(filter, {"", "le"}), (std::vector<DWORD>{0, 2}));
  EXPECT_EQ(Found(filter, {"x", ""}), (std::vector<DWORD>{}));
  // Needles are given lower-cased: an upper-case needle finds nothing.
  EXPECT_EQ(Found(filter, {"DRAW", ""}), (std::vector<DWORD>{}));
  // Missing needles count as empty; a null key as an empty key.
  SubstringFilter nulls(2);
  const char* keys[] = {"a", nullptr};
  nulls.AddRow(keys);
  EXPECT_EQ(Found(nulls, {"a"}), (std::vector<DWORD>{0}));
  EXPECT_EQ(Found(nulls, {"a", "x"}), (std::vector<DWORD>{}));
}

TEST(SubstringFilter, NarrowingSearchesTheLastResultOnlyAndFindsWhatAFullSearchFinds) {
  std::vector<std::vector<std::string>> rows;
  const char* names[] = {"malloc", "Malloc_State", "__libc_malloc", "free", "realloc", "calloc", "MALLOC_ALIGN"};
  const char* parents[] = {"", "arena", "heap", "arena", "", "heap_info", "arena::inner"};
  for (int i = 0; i < 700; ++i) rows.push_back({names[i % 7], parents[(i / 7) % 7]});
  SubstringFilter narrowing = Filled(rows, 2);
  // Growing, shrinking, replaced and switched needles, as typing makes them.
  const std::vector<std::vector<std::string>> steps = {
      {"m", ""},      {"ma", ""},      {"mal", ""},   {"malloc", ""}, {"malloc", "a"}, {"malloc", "ar"},
      {"malloc", "a"}, {"mallo", "a"},  {"alloc", ""}, {"lloc", "heap"}, {"c", "heap"}, {"", "heap_"},
      {"", ""},       {"zz", ""},      {"zzz", ""},   {"", "::"},     {"align", "::"}};
  for (size_t i = 0; i < steps.size(); ++i) {
    SubstringFilter fresh = Filled(rows, 2);
    EXPECT_EQ(Found(narrowing, steps[i]), Found(fresh, steps[i])) << "step " << i;
  }
  // "ma" after "m" looked at the rows "m" left, not at all rows.
  SubstringFilter counted = Filled(rows, 2);
  size_t afterM = counted.Apply({"m", ""}).size();
  counted.Apply({"ma", ""});
  EXPECT_EQ(counted.lastSearched(), afterM);
  EXPECT_LT(afterM, rows.size());
  // Taking the letter back returns to the kept result of "m": nothing is searched.
  counted.Apply({"m", ""});
  EXPECT_EQ(counted.lastSearched(), 0u);
  // A needle replaced by one that does not hold it goes back to the rows of "m" ...
  counted.Apply({"m", "heap"});
  counted.Apply({"m", "arena"});
  EXPECT_EQ(counted.lastSearched(), afterM);
  // ... and one that holds none of the kept needles searches everything.
  counted.Apply({"x", "arena"});
  EXPECT_EQ(counted.lastSearched(), rows.size());
}

TEST(SubstringFilter, ARowAddedAfterAFilterIsFoundByTheNextOne) {
  SubstringFilter filter = Filled({{"alpha"}, {"beta"}}, 1);
  EXPECT_EQ(Found(filter, {"a"}), (std::vector<DWORD>{0, 1}));
  const char* gamma[] = {"gamma"};
  filter.AddRow(gamma);
  EXPECT_EQ(Found(filter, {"am"}), (std::vector<DWORD>{2}));
  filter.Clear();
  EXPECT_EQ(Found(filter, {""}), (std::vector<DWORD>{}));
}

TEST(SubstringFilter, LowerCaseIsTheSystemsOwnForEveryByte) {
  EXPECT_EQ(SubstringFilter::Lower("Circle::DRAW_1"), "circle::draw_1");
  for (int byte = 1; byte < 256; ++byte) {
    char expected = static_cast<char>(byte);
    CharLowerBuffA(&expected, 1);
    EXPECT_EQ(SubstringFilter::LowerByte(static_cast<char>(byte)), expected) << byte;
  }
}

// Tag browser: the parent filter takes the Parent column, or the qualified
// parent once it holds a colon.
TEST(TagBrowserFilter, ParentFilterWithAColonMatchesTheQualifiedParent) {
  EXPECT_EQ(TagBrowserDialog::Needles("Circ", "Dra"), (std::vector<std::string>{"dra", "circ", ""}));
  EXPECT_EQ(TagBrowserDialog::Needles("Flat::Circle", ""), (std::vector<std::string>{"", "", "flat::circle"}));
  EXPECT_EQ(TagBrowserDialog::Needles("Circle:", "x"), (std::vector<std::string>{"x", "", "circle:"}));
  EXPECT_EQ(TagBrowserDialog::Needles(nullptr, nullptr), (std::vector<std::string>{"", "", ""}));
}

// File picker: the filter runs over "folder\name.ext" with either slash.
TEST(FilePickerFilter, PathAndNameWithEitherSlash) {
  FileEntry nested("HostMain", "cpp", "host\\app");
  FileEntry top("README", "", "");
  EXPECT_EQ(FilePickerDialog::Key(&nested), "host\\app\\hostmain.cpp");
  EXPECT_EQ(FilePickerDialog::Key(&top), "readme");
  EXPECT_EQ(FilePickerDialog::Needle("Host/App/Main"), "host\\app\\main");
  EXPECT_EQ(FilePickerDialog::Needle("host\\APP"), "host\\app");

  SubstringFilter filter(1);
  for (FileEntry* file : {&nested, &top}) {
    std::string key = FilePickerDialog::Key(file);
    const char* keys[] = {key.c_str()};
    filter.AddRow(keys);
  }
  // Across the folder and the name ("app\host" of "app\HostMain"), with either slash.
  for (const char* text : {"app/host", "app\\host", "HOST/APP/HOSTMAIN", "host\\app\\", "app/", "main.cpp"})
    EXPECT_EQ(Found(filter, {FilePickerDialog::Needle(text)}), (std::vector<DWORD>{0})) << text;
  EXPECT_EQ(Found(filter, {FilePickerDialog::Needle("readme")}), (std::vector<DWORD>{1}));
  EXPECT_EQ(Found(filter, {FilePickerDialog::Needle("/readme")}), (std::vector<DWORD>{}));
}

}  // namespace
