#include "host/dialogs/DialogTemplate.h"

DialogTemplate::DialogTemplate(DWORD style, short x, short y, short cx, short cy,
                               const char* title, WORD pointSize, const char* font) {
  AppendDword(style | DS_SETFONT);
  AppendDword(0);   // extended style
  m_countOffset = m_words.size();
  AppendWord(0);    // item count, raised by AddItem
  AppendWord(static_cast<WORD>(x));
  AppendWord(static_cast<WORD>(y));
  AppendWord(static_cast<WORD>(cx));
  AppendWord(static_cast<WORD>(cy));
  AppendWord(0);    // no menu
  AppendWord(0);    // the system's dialog class
  AppendText(title);
  AppendWord(pointSize);
  AppendText(font);
}

void DialogTemplate::AddItem(WORD id, const char* className, DWORD style, short x, short y,
                             short cx, short cy, const char* text, DWORD exStyle) {
  AlignToDword();
  AppendDword(style);
  AppendDword(exStyle);
  AppendWord(static_cast<WORD>(x));
  AppendWord(static_cast<WORD>(y));
  AppendWord(static_cast<WORD>(cx));
  AppendWord(static_cast<WORD>(cy));
  AppendWord(id);
  AppendText(className);
  AppendText(text);
  AppendWord(0);    // no creation data
  ++m_words[m_countOffset];
}

const DLGTEMPLATE* DialogTemplate::Get() const {
  return reinterpret_cast<const DLGTEMPLATE*>(m_words.data());
}

void DialogTemplate::AlignToDword() {
  if (m_words.size() % 2 != 0) m_words.push_back(0);
}

void DialogTemplate::AppendWord(WORD value) { m_words.push_back(value); }

void DialogTemplate::AppendDword(DWORD value) {
  m_words.push_back(LOWORD(value));
  m_words.push_back(HIWORD(value));
}

void DialogTemplate::AppendText(const char* text) {
  if (!text) text = "";
  int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (length <= 0) {
    m_words.push_back(0);
    return;
  }
  std::vector<wchar_t> wide(static_cast<size_t>(length));
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
  for (wchar_t ch : wide) m_words.push_back(static_cast<WORD>(ch));
}
