#pragma once
// The landmarks of a file for placing a repeated line (CopyAlignment.h): its
// tags whose whole line one line held when the tags were written and exactly
// one line holds now, with both lines. Lines that moved out of order (a
// function cut and pasted further down) are dropped: the landmarks kept are
// the most that stay in order.
#include <string>
#include <vector>
#include "host/jumplines/CopyAlignment.h"
#include "host/tagstore/CtagsLine.h"

// fileTags: the tags of the file (any order); lines: its text now, one
// string per line without its line end. Ascending in both lines.
std::vector<LineShift> FindLandmarks(const std::vector<std::wstring>& lines,
                                     const std::vector<const CtagsEntry*>& fileTags);
