#pragma once
// Edits the source files of a tag set after its tags file was written, the
// way later work on a tree would: lines inserted at the top of every file and
// above the middle tag of every file, and in every few files one definition
// removed whose text is nowhere else in its file. Keeps where each tag's line
// went, for the jump check.
#include <string>
#include <vector>
#include "host/ctags/TagSet.h"

struct TreeEdits {
  // Per tag of the set, in its order: the tag's line after the edits, 0 when
  // the line was removed (the jump should then show the module's message),
  // -1 for a tag without a line number.
  std::vector<int> newLine;
  int files = 0;             // files edited
  int removedLines = 0;      // definitions removed, one line each
};

// Lines inserted at the top of each file and above its middle tag.
constexpr int kTopInsertedLines = 3;
constexpr int kMiddleInsertedLines = 2;
// One definition is removed from every kRemoveEvery-th file (when it has one to remove).
constexpr int kRemoveEvery = 10;

// False with a message when a file cannot be read or written back.
bool EditTree(const TagSet& tags, TreeEdits& edits, std::string& error);
