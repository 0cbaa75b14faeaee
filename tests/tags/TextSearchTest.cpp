// The reference IDE's find text, which a host editor view reuses: the flags
// it honours and where a search starts.
#include <gtest/gtest.h>
#include "host/ide/TextSearch.h"

namespace {

const std::vector<std::wstring> kLines = {
    L"alpha Alpha alphabet",   // 1
    L"beta alpha",             // 2
};

std::pair<int, int> Where(const TextMatch& match) {
  return match.found ? std::make_pair(match.start.line, match.start.column) : std::make_pair(0, 0);
}

TEST(TextSearchTest, ForwardFromTheCaretHonouringCaseAndWholeWord) {
  TextPosition top{1, 1};
  EXPECT_EQ(Where(FindInLines(kLines, L"Alpha", kIdeFindMatchCase, top, top)), std::make_pair(1, 7));
  EXPECT_EQ(Where(FindInLines(kLines, L"ALPHA", 0, top, top)), std::make_pair(1, 1));
  EXPECT_EQ(Where(FindInLines(kLines, L"ALPHA", kIdeFindMatchCase, top, top)), std::make_pair(0, 0));
  // After the first match, the next one; "alphabet" is no whole word "alpha".
  TextPosition afterFirst{1, 6};
  EXPECT_EQ(Where(FindInLines(kLines, L"alpha", kIdeFindMatchCase | kIdeFindWholeWord, top, afterFirst)),
            std::make_pair(2, 6));
  EXPECT_EQ(Where(FindInLines(kLines, L"alpha", kIdeFindMatchCase, top, TextPosition{1, 7})),
            std::make_pair(1, 13));
  EXPECT_FALSE(FindInLines(kLines, L"", 0, top, top).found);
}

TEST(TextSearchTest, BackwardAndFromStart) {
  TextPosition end{2, 11};
  EXPECT_EQ(Where(FindInLines(kLines, L"alpha", kIdeFindBackward | kIdeFindMatchCase, end, end)),
            std::make_pair(2, 6));
  EXPECT_EQ(Where(FindInLines(kLines, L"alpha", kIdeFindBackward | kIdeFindMatchCase, TextPosition{2, 6},
                              TextPosition{2, 11})),
            std::make_pair(1, 13));
  // From the start ignores the caret: the first match of the document.
  EXPECT_EQ(Where(FindInLines(kLines, L"alpha", kIdeFindFromStart, end, end)), std::make_pair(1, 1));
  EXPECT_EQ(Where(FindInLines(kLines, L"alpha", kIdeFindFromStart | kIdeFindBackward, TextPosition{1, 1},
                              TextPosition{1, 1})),
            std::make_pair(2, 6));
  // The regular-expression flag searches the text as it is.
  EXPECT_EQ(Where(FindInLines(kLines, L"a.", kIdeFindRegExp, TextPosition{1, 1}, TextPosition{1, 1})),
            std::make_pair(0, 0));
}

}  // namespace
