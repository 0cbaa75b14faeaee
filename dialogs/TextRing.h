#pragma once
// Three string buffers used in turn to hand display text to a list view. The
// list view keeps the pointer it is given until it asks again, so a text must
// stay put after its answer: it is overwritten only by the third answer after it.
#include "fw/String.h"

class TextRing {
 public:
  // Copies text into the next buffer and returns that buffer's own characters.
  const char* Put(const CString& text);

 private:
  CString m_buffers[3];
  int m_position = 0;   // the buffer the next Put fills, 0 to 2
};
