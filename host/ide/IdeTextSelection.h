#pragma once
// A text document's selection in the reference IDE: the caret (the start of
// the selection) and its end, placed by the move call and by find text.
#include "host/ide/IdeObject.h"
#include "host/ide/TextSearch.h"

class IdeTextSelection;

// ITextSelection as the IDE lays it out.
class IdeTextSelectionFace : public IdeFace {
 public:
  IdeTextSelectionFace(IdeTextSelection& owner, const char* name, const IID& iid);
  HOST_IDE_SLOT(7) HOST_IDE_SLOT(8) HOST_IDE_SLOT(9) HOST_IDE_SLOT(10) HOST_IDE_SLOT(11)
  HOST_IDE_SLOT(12) HOST_IDE_SLOT(13) HOST_IDE_SLOT(14) HOST_IDE_SLOT(15)
  virtual HRESULT STDMETHODCALLTYPE Refresh();                                   // 16
  HOST_IDE_SLOT(17) HOST_IDE_SLOT(18) HOST_IDE_SLOT(19) HOST_IDE_SLOT(20) HOST_IDE_SLOT(21)
  HOST_IDE_SLOT(22) HOST_IDE_SLOT(23) HOST_IDE_SLOT(24) HOST_IDE_SLOT(25) HOST_IDE_SLOT(26)
  HOST_IDE_SLOT(27) HOST_IDE_SLOT(28) HOST_IDE_SLOT(29) HOST_IDE_SLOT(30) HOST_IDE_SLOT(31)
  HOST_IDE_SLOT(32) HOST_IDE_SLOT(33) HOST_IDE_SLOT(34) HOST_IDE_SLOT(35) HOST_IDE_SLOT(36)
  HOST_IDE_SLOT(37) HOST_IDE_SLOT(38) HOST_IDE_SLOT(39) HOST_IDE_SLOT(40) HOST_IDE_SLOT(41)
  HOST_IDE_SLOT(42)
  virtual HRESULT STDMETHODCALLTYPE MoveTo(long line, long column, VARIANT mode);            // 43
  virtual HRESULT STDMETHODCALLTYPE FindText(BSTR text, VARIANT flags, VARIANT_BOOL* found);  // 44

 private:
  IdeTextSelection& m_selection;
};

class IdeTextSelection : public IdeObject {
 public:
  // lines: the document's text, at least one line, living as long as the selection.
  IdeTextSelection(IdeCalls& calls, const IdeConfiguration& configuration, std::string name,
                   const std::vector<std::wstring>& lines);

  TextPosition Caret() const { return m_start; }
  TextPosition End() const { return m_end; }
  int Refreshes() const { return m_refreshes; }
  // The text of the last find call, exactly as received.
  const std::wstring& LastFindText() const { return m_lastFindText; }
  bool LastFindTextWasNull() const { return m_lastFindTextNull; }

  // Places the caret, clamped to the document; the selection becomes empty.
  void MoveTo(long line, long column);
  // Searches from the selection under the flags; a match becomes the selection.
  bool Find(BSTR text, long flags);
  void Refresh() { ++m_refreshes; }

 private:
  const std::vector<std::wstring>& m_lines;
  IdeTextSelectionFace m_dispatch;
  IdeTextSelectionFace m_textSelection;
  TextPosition m_start{1, 1};
  TextPosition m_end{1, 1};
  int m_refreshes = 0;
  std::wstring m_lastFindText;
  bool m_lastFindTextNull = false;
};
