#include "dialogs/TextRing.h"

const char* TextRing::Put(const CString& text) {
  CString& buffer = m_buffers[m_position];
  // A buffer handed out before is still locked; unlock it so the copy below
  // follows the string's ordinary rules, then lock it again so that its
  // characters are never shared with (or changed through) another string.
  if (buffer.GetRefCount() == -1) buffer.UnlockBuffer();
  buffer = text;
  const char* characters = buffer.LockBuffer();
  m_position = (m_position + 1) % 3;
  return characters;
}
