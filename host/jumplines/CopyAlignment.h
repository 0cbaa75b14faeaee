#pragma once
// Which of the lines that now hold a repeated pattern are the copies that
// ctags tagged. A file held k tagged copies of one line (the same #define in
// the branches of an #if, the same override in two classes) at lines known
// from the tags file; now m lines hold that text.
//
// m == k: the j-th tagged copy is the j-th line now (its rank). Lines added
// or removed anywhere, however many, keep the copies in their order.
//
// m != k (a copy added or removed, or a line holding the text that ctags did
// not tag: a copy inside a comment, in an "#if 0" block): the copies keep
// their order, min(k, m) of them are paired, and of all such pairings the
// one is taken whose lines moved the most evenly. Each pair moves its line by
// an offset (line now - line then); the file's other tags whose text one line
// holds then and now (landmarks) move by known offsets. Going down the file
// through the landmarks and the paired copies in their old order, each change
// of offset from one to the next is a place where lines were inserted or
// removed. The pairing wins that needs the fewest such places; then the one
// whose offsets change by the fewest lines in all; then the one whose first
// paired copy moved the least, when no landmark lies above it (with no
// landmarks and one tagged copy, the nearest line). On a tie the offsets
// change as early in the file as they can (lines added above, the usual edit,
// move everything below them), so of two lines as near the lower wins.
#include <vector>

// A landmark: a line at `then` when the tags were written, at `now` today.
struct LineShift {
  int then;
  int now;
};

// For each tagged copy (`tagged`: its lines then, ascending, distinct), its
// line now, taken from `now` (ascending, distinct), or 0 when the pairing
// leaves it out (its copy was removed). `landmarks`: ascending in both lines.
std::vector<int> AlignCopies(const std::vector<int>& tagged, const std::vector<int>& now,
                             const std::vector<LineShift>& landmarks);
