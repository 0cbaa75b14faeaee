#pragma once
// The line a tag object reports to the module for one jump, decided when the
// tag is chosen, from the text that jump will see. -1 lets the module search
// the tag's pattern from the top, which follows edits above the tag. A line
// number sends the caret straight there; the host gives one only where that
// search would stop on another line first (a repeated line, a pattern cut
// short, the text inside a longer earlier line).
// When the tag's line is gone the module searches too. Only where no line
// holds the searched text any more does it show its "Unable to find"
// message; where another line still holds it (the usual C case: the
// definition removed, its prototype "int f(void);" left) the caret lands on
// the first such line, with no message.
#include <string>
#include <vector>
#include "host/ctags/CtagsLine.h"

// What the module searches for a search string: the string without its first
// character and without its trailing run of '$'.
std::string ModuleSearchText(const std::string& searchString);

// A tag's pattern as ctags means it: its text without the anchors, matched at
// the start of a line for '^', at the end for '$' (so a whole line for both,
// a line start for a pattern cut short). Ctags ends a line at a carriage
// return, so a line is taken up to its first one.
class TagPattern {
 public:
  explicit TagPattern(const CtagsEntry& entry);
  bool HeldBy(const std::wstring& line) const;
  // The line (from 1) nearest to `target` that holds the pattern; 0 when none
  // does. On a tie the one below wins: lines added above a tag, the common
  // edit, move it down. A target below 1 (no line known) takes the first one;
  // a target past the end counts from the last line.
  int NearestLine(const std::vector<std::wstring>& lines, int target) const;

 private:
  std::wstring m_text;
  bool m_fromStart;
  bool m_toEnd;
};

// The line to report: -1 when the module's search (match case, from line 1)
// first stops on the tag's line; else the tag's line. The tag's line is the
// one holding its pattern nearest to the tags file's line; with no such line
// the tag's line is gone and the module searches: it gives its message when
// no line holds the searched text, and stops on the first line that does
// otherwise. A tag without a pattern keeps the tags file's line. lines: the
// file's text as the IDE holds it, one string per line without its line end.
int ChooseJumpLine(const std::vector<std::wstring>& lines, const CtagsEntry& entry);
