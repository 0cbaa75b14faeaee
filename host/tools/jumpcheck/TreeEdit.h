#pragma once
// Edits the source files of a tag set after its tags file was written, the
// way later work on a tree would: lines inserted at the top of every file and
// above the middle tag of every file, and in every few files two definitions
// removed: one whose text is nowhere else in its file, and one whose text
// another line still holds (the usual C case: the definition gone, its
// prototype left). Keeps where each tag's line went, for the jump check.
#include <string>
#include <vector>
#include "host/tagstore/TagSet.h"

// What the edits did to one tag's line.
enum class TagEdit {
  NoLine,     // the tag has no line number: nothing to compare
  Moved,      // the line is still there, at TreeEdits::newLine
  Removed,    // removed, and its searched text is on no other line
  TextLeft,   // removed, but another line still holds its searched text
};

struct TreeEdits {
  // Per tag of the set, in its order: what became of its line, and the line
  // after the edits (0 for a removed line, -1 for a tag without a line number).
  std::vector<TagEdit> edit;
  std::vector<int> newLine;
  int files = 0;             // files edited
  int removedLines = 0;      // definitions removed whose text is nowhere else
  int textLeftLines = 0;     // definitions removed whose text another line holds
};

// Lines inserted at the top of each file and above its middle tag.
constexpr int kTopInsertedLines = 3;
constexpr int kMiddleInsertedLines = 2;
// Definitions are removed from every kRemoveEvery-th file (when it has them to remove).
constexpr int kRemoveEvery = 10;

// False with a message when a file cannot be read or written back.
bool EditTree(const TagSet& tags, TreeEdits& edits, std::string& error);
