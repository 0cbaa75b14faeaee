#pragma once
// The IDE's editor as a window: the active document of the reference IDE,
// with line numbers, the caret line highlighted, and the view centred on the
// caret when the IDE was asked to ("WindowScrollToCenter").
#include <string>
#include "fw/Wnd.h"
#include "host/ide/ReferenceIde.h"

class EditorView : public CWnd {
 public:
  // Its item number among its parent's children.
  static constexpr int kChildId = 1;

  explicit EditorView(ReferenceIde& ide);
  ~EditorView() override;

  bool Create(CWnd* parent, const RECT& rect);
  // Takes the IDE's editor state: a new document starts at its top; a centre
  // request puts the caret line in the middle; otherwise the caret is kept in view.
  void Sync();

  std::wstring FileName() const;
  int CaretLine() const { return m_ide.CaretLine(); }
  int TopLine() const { return m_topLine; }
  int VisibleLines() const;
  // The caret line sits in the middle row of the view (what a centre gives).
  bool CaretCentred() const;


 private:
  void OnPaint();
  bool OnEraseBkgnd(HDC) { return true; }   // OnPaint fills every pixel
  void OnSize(UINT type, int cx, int cy);
  void OnLButtonDown(UINT keys, POINT point);
  void OnMouseWheel(UINT keys, short delta, POINT screenPoint);
  void OnVScroll(UINT code, UINT position, HWND scrollBar);
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  void ScrollTo(int topLine);
  int LineCount() const;
  int HeaderHeight() const { return m_lineHeight + 6; }

  ReferenceIde& m_ide;
  HFONT m_font = nullptr;
  int m_lineHeight = 16;
  int m_charWidth = 8;
  int m_topLine = 1;
  const void* m_document = nullptr;

  DECLARE_MESSAGE_MAP()
};
