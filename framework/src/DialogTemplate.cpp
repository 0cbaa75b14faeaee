// CDialogTemplate: lays out DLGTEMPLATE and DLGITEMTEMPLATE records in memory,
// strings as UTF-16 converted from the ANSI code page.
#include "fw/DialogTemplate.h"

namespace {

void PushDword(std::vector<WORD>& words, DWORD value) {
  words.push_back(LOWORD(value));
  words.push_back(HIWORD(value));
}

void PushShort(std::vector<WORD>& words, int value) {
  words.push_back(static_cast<WORD>(static_cast<short>(value)));
}

}  // namespace

CDialogTemplate::CDialogTemplate(const char* caption, DWORD style, int x, int y, int cx, int cy,
                                 const char* fontName, WORD pointSize, DWORD exStyle) {
  if (fontName != nullptr) style |= DS_SETFONT;
  else style &= ~static_cast<DWORD>(DS_SETFONT);
  PushDword(m_words, style);
  PushDword(m_words, exStyle);
  m_words.push_back(0);   // cdit, counted by AddItem
  PushShort(m_words, x);
  PushShort(m_words, y);
  PushShort(m_words, cx);
  PushShort(m_words, cy);
  m_words.push_back(0);   // no menu
  m_words.push_back(0);   // the standard dialog class
  AddString(caption);
  if (fontName != nullptr) {
    m_words.push_back(pointSize);
    AddString(fontName);
  }
}

void CDialogTemplate::AddString(const char* text) {
  if (text == nullptr) text = "";
  int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (length <= 0) {
    m_words.push_back(0);
    return;
  }
  size_t start = m_words.size();
  m_words.resize(start + static_cast<size_t>(length));
  ::MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<wchar_t*>(&m_words[start]), length);
}

void CDialogTemplate::AlignToDword() {
  if (m_words.size() % 2 != 0) m_words.push_back(0);
}

void CDialogTemplate::AddItemHeader(DWORD style, DWORD exStyle, int x, int y, int cx, int cy,
                                    WORD id) {
  AlignToDword();
  PushDword(m_words, style);
  PushDword(m_words, exStyle);
  PushShort(m_words, x);
  PushShort(m_words, y);
  PushShort(m_words, cx);
  PushShort(m_words, cy);
  m_words.push_back(id);
}

void CDialogTemplate::AddItemTail(const char* text) {
  AddString(text);
  m_words.push_back(0);   // no creation data
  ++m_items;
  m_words[4] = static_cast<WORD>(m_items);   // cdit sits after style and extended style
}

void CDialogTemplate::AddItem(const char* className, const char* text, DWORD style, int x, int y,
                              int cx, int cy, WORD id, DWORD exStyle) {
  AddItemHeader(style, exStyle, x, y, cx, cy, id);
  AddString(className);
  AddItemTail(text);
}

void CDialogTemplate::AddItem(WORD classAtom, const char* text, DWORD style, int x, int y, int cx,
                              int cy, WORD id, DWORD exStyle) {
  AddItemHeader(style, exStyle, x, y, cx, cy, id);
  m_words.push_back(0xFFFF);
  m_words.push_back(classAtom);
  AddItemTail(text);
}
