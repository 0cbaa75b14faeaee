#pragma once
// The line a tag object reports to the module for one jump, decided when the
// tag is chosen, from the text that jump will see. -1 lets the module search
// the tag's pattern from the top, which follows edits above the tag. A line
// number sends the caret straight there; the host gives one only where that
// search would stop on another line first (a repeated line, a pattern cut
// short, the text inside a longer earlier line).
//
// The tag's line is the line holding its pattern that is the tag's own copy:
// of the k tags of the file with the same pattern (by their line:N), the
// tag's rank picks among the lines holding it now (CopyAlignment.h says how,
// also when their number changed).
//
// When the tag's line is gone the module searches too. Where no line holds
// the searched text any more it shows its "Unable to find" message; where
// another line still holds it (the definition removed, its prototype
// "int f(void);" left; one copy of a repeated line removed) the caret lands
// on the first such line, and the host says in its status line that the
// definition is not where the tags say (ChosenTag.h).
#include <string>
#include <vector>
#include "host/tagstore/CtagsLine.h"

// What the module searches for a search string: the string without its first
// character and without its trailing run of '$'.
std::string ModuleSearchText(const std::string& searchString);

// The line (from 1) of the file as it is now that holds the tag's own copy
// of its pattern; 0 when none does. fileTags: the tags of the tag's file
// (whether or not the tag is among them). A tag without a line:N takes the
// first line that holds its pattern.
int TagLineNow(const std::vector<std::wstring>& lines, const CtagsEntry& entry,
               const std::vector<const CtagsEntry*>& fileTags);

struct JumpChoice {
  enum Landing {
    TagLine,         // the caret goes to the tag's line
    TextElsewhere,   // the tag's line is gone; the module's search stops on another line holding its text
    Nowhere,         // the tag's line and its text are gone: the module's message
  };
  int line = -1;   // what the tag reports: -1, the module searches; else the line
  Landing landing = TagLine;
};

// The line to report: -1 when the module's search (match case, from line 1)
// first stops on the tag's line; else the tag's line (TagLineNow); -1 when
// it is gone. A tag without a pattern keeps the tags file's line. lines: the
// file's text as the IDE holds it, one string per line without its line end.
JumpChoice ChooseJumpLine(const std::vector<std::wstring>& lines, const CtagsEntry& entry,
                          const std::vector<const CtagsEntry*>& fileTags);
