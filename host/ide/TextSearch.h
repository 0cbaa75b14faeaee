#pragma once
// Finding text in an editor's lines, the way the IDE's find-text call does.
// Lines and columns count from 1. A match never spans lines. The regular
// expression flag is accepted but the text is searched as plain text.
#include <string>
#include <vector>

enum IdeFindFlag : long {
  kIdeFindWholeWord = 0x2,
  kIdeFindMatchCase = 0x4,
  kIdeFindRegExp = 0x8,        // searched as plain text
  kIdeFindBackward = 0x80,
  kIdeFindFromStart = 0x100,   // from the top (forward) or the bottom (backward)
};

struct TextPosition {
  int line;
  int column;
};

struct TextMatch {
  bool found;
  TextPosition start;   // of the match
  int length;           // in characters
};

// Forward: the first match at or after `after`. Backward: the last match that
// starts before `before`. Empty text is never found. No wrap-around.
TextMatch FindInLines(const std::vector<std::wstring>& lines, const std::wstring& text, long flags,
                      TextPosition before, TextPosition after);
