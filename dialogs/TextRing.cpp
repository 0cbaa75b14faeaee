#include "dialogs/TextRing.h"

const char* TextRing::Put(const CString& text) {
  CString& buffer = m_buffers[m_position];
  // A locked buffer takes a copy of the characters, in place when they fit,
  // and stays locked: its characters are never shared with another string,
  // so nothing but the next Put into this buffer changes them.
  buffer = text;
  const char* characters = buffer.LockBuffer();
  m_position = (m_position + 1) % 3;
  return characters;
}
