#include "host/ide/IdeTextSelection.h"

#include <oleauto.h>
#include "host/ide/IdeIdentifiers.h"

IdeTextSelectionFace::IdeTextSelectionFace(IdeTextSelection& owner, const char* name, const IID& iid)
    : IdeFace(owner, name, iid), m_selection(owner) {}

HRESULT STDMETHODCALLTYPE IdeTextSelectionFace::Refresh() {
  HRESULT hook = Record(16, "Refresh", "");
  if (hook != S_OK) return hook;
  m_selection.Refresh();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE IdeTextSelectionFace::MoveTo(long line, long column, VARIANT mode) {
  HRESULT hook =
      Record(43, "MoveTo", std::to_string(line) + ", " + std::to_string(column) + ", " + DescribeVariant(mode));
  if (hook != S_OK) return hook;
  m_selection.MoveTo(line, column);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE IdeTextSelectionFace::FindText(BSTR text, VARIANT flags, VARIANT_BOOL* found) {
  HRESULT hook = Record(44, "FindText", DescribeString(text) + ", " + DescribeVariant(flags));
  if (hook != S_OK) return hook;
  if (!found) return E_POINTER;
  long value = 0;
  if (V_VT(&flags) == VT_I4) value = V_I4(&flags);
  else if (V_VT(&flags) == VT_I2) value = V_I2(&flags);
  else if (V_VT(&flags) != VT_EMPTY) return E_INVALIDARG;
  *found = m_selection.Find(text, value) ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

IdeTextSelection::IdeTextSelection(IdeCalls& calls, const IdeConfiguration& configuration,
                                   std::string name, const std::vector<std::wstring>& lines)
    : IdeObject(calls, configuration, std::move(name)),
      m_lines(lines),
      m_dispatch(*this, "IDispatch", IID_IDispatch),
      m_textSelection(*this, "ITextSelection", hostide::IID_TextSelection) {
  AddFace(m_dispatch);
  AddFace(m_textSelection);
}

void IdeTextSelection::MoveTo(long line, long column) {
  long lineCount = static_cast<long>(m_lines.size());
  if (line > lineCount) line = lineCount;
  if (line < 1) line = 1;
  long columns = static_cast<long>(m_lines[line - 1].size()) + 1;
  if (column > columns) column = columns;
  if (column < 1) column = 1;
  m_start = m_end = TextPosition{static_cast<int>(line), static_cast<int>(column)};
}

bool IdeTextSelection::Find(BSTR text, long flags) {
  m_lastFindTextNull = text == nullptr;
  m_lastFindText = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
  TextMatch match = FindInLines(m_lines, m_lastFindText, flags, m_start, m_end);
  if (!match.found) return false;
  m_start = match.start;
  m_end = TextPosition{match.start.line, match.start.column + match.length};
  return true;
}
