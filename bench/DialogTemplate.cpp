#include "bench/DialogTemplate.h"

#include <cstddef>

namespace bench {

namespace {
template <class T>
void Put(std::vector<WORD>& words, const T& value) {
  const WORD* p = reinterpret_cast<const WORD*>(&value);
  words.insert(words.end(), p, p + sizeof(T) / sizeof(WORD));
}
}  // namespace

DialogTemplate::DialogTemplate(const char* title, int width, int height) {
  DLGTEMPLATE head = {};
  head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  head.cx = static_cast<short>(width);
  head.cy = static_cast<short>(height);
  Put(m_words, head);
  m_countIndex = offsetof(DLGTEMPLATE, cdit) / sizeof(WORD);
  m_words.push_back(0);   // no menu
  m_words.push_back(0);   // the standard dialog class
  AddText(title);
}

void DialogTemplate::AddText(const char* text) {
  for (const char* p = text; *p; ++p) m_words.push_back(static_cast<unsigned char>(*p));
  m_words.push_back(0);
}

void DialogTemplate::Align() {
  if (m_words.size() % 2) m_words.push_back(0);
}

void DialogTemplate::AddItem(const char* className, WORD id, DWORD style, int x, int y, int width,
                             int height) {
  Align();
  DLGITEMTEMPLATE item = {};
  item.style = style | WS_CHILD | WS_VISIBLE;
  item.x = static_cast<short>(x);
  item.y = static_cast<short>(y);
  item.cx = static_cast<short>(width);
  item.cy = static_cast<short>(height);
  item.id = id;
  Put(m_words, item);
  AddText(className);
  m_words.push_back(0);   // no title
  m_words.push_back(0);   // no creation data
  ++m_words[m_countIndex];
}

const DLGTEMPLATE* DialogTemplate::Get() {
  Align();
  return reinterpret_cast<const DLGTEMPLATE*>(m_words.data());
}

}  // namespace bench
