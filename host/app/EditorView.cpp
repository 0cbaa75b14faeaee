#include "host/app/EditorView.h"
#include <algorithm>

namespace {

constexpr COLORREF kCaretLineColour = RGB(255, 244, 170);
constexpr COLORREF kHeaderColour = RGB(220, 226, 236);
constexpr COLORREF kGutterColour = RGB(240, 240, 240);

// The line with its tabs as spaces, up to `columns` characters: the part a row shows.
std::wstring ExpandTabs(const std::wstring& line, size_t columns) {
  std::wstring out;
  for (wchar_t ch : line) {
    if (out.size() >= columns) break;
    if (ch == L'\t') {
      out.append(4 - out.size() % 4, L' ');
    } else {
      out += ch;
    }
  }
  return out;
}

}  // namespace

BEGIN_MESSAGE_MAP(EditorView, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEWHEEL()
  ON_WM_VSCROLL()
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

EditorView::EditorView(ReferenceIde& ide) : m_ide(ide) {}

EditorView::~EditorView() {
  if (m_font) DeleteObject(m_font);
}

bool EditorView::Create(CWnd* parent, const RECT& rect) {
  m_font = CreateFontA(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
  if (!CreateEx(WS_EX_CLIENTEDGE, nullptr, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, rect, parent, kChildId))
    return false;
  HDC dc = ::GetDC(m_hWnd);
  HGDIOBJ old = SelectObject(dc, m_font);
  TEXTMETRICA metrics;
  if (GetTextMetricsA(dc, &metrics)) {
    m_lineHeight = metrics.tmHeight + 1;
    m_charWidth = metrics.tmAveCharWidth;
  }
  SelectObject(dc, old);
  ::ReleaseDC(m_hWnd, dc);
  return true;
}

std::wstring EditorView::FileName() const { return m_ide.ActiveFileName(); }

int EditorView::LineCount() const { return static_cast<int>(m_ide.ActiveLines().size()); }

int EditorView::VisibleLines() const {
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  return std::max(1, static_cast<int>((client.bottom - HeaderHeight()) / m_lineHeight));
}

bool EditorView::CaretCentred() const {
  return m_ide.ActiveDocument() && CaretLine() - m_topLine == VisibleLines() / 2;
}

void EditorView::ScrollTo(int topLine) {
  int last = std::max(1, LineCount());
  m_topLine = std::max(1, std::min(topLine, last));
  SCROLLINFO info = {sizeof(info), SIF_ALL, 1, last, static_cast<UINT>(VisibleLines()), m_topLine, 0};
  SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
  Invalidate();
}

void EditorView::Sync() {
  const void* document = m_ide.ActiveDocument();
  if (document != m_document) {
    m_document = document;
    m_topLine = 1;
  }
  int caret = CaretLine();
  int visible = VisibleLines();
  if (m_ide.CentreRequested()) {
    // The middle row: the caret may sit there only when enough lines lie above it.
    ScrollTo(caret - visible / 2);
    m_ide.ClearCentreRequest();
  } else if (caret < m_topLine || caret >= m_topLine + visible) {
    ScrollTo(caret - visible / 2);
  } else {
    ScrollTo(m_topLine);
  }
}

void EditorView::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_hWnd, &ps);
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  HGDIOBJ oldFont = SelectObject(dc, m_font);
  SetBkMode(dc, TRANSPARENT);

  RECT header = {0, 0, client.right, HeaderHeight()};
  HBRUSH headerBrush = CreateSolidBrush(kHeaderColour);
  FillRect(dc, &header, headerBrush);
  DeleteObject(headerBrush);
  std::wstring title = FileName();
  if (title.empty()) {
    title = L"(no document: Ctrl+P opens a file, Ctrl+T browses the tags)";
  } else {
    title += L"    line " + std::to_wstring(CaretLine());
  }
  TextOutW(dc, 4, 3, title.c_str(), static_cast<int>(title.size()));

  const std::vector<std::wstring>& lines = m_ide.ActiveLines();
  int gutter = m_charWidth * 6;
  RECT body = {0, HeaderHeight(), client.right, client.bottom};
  FillRect(dc, &body, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RECT gutterRect = {0, HeaderHeight(), gutter, client.bottom};
  HBRUSH gutterBrush = CreateSolidBrush(kGutterColour);
  FillRect(dc, &gutterRect, gutterBrush);
  DeleteObject(gutterBrush);

  int caret = m_ide.ActiveDocument() ? CaretLine() : 0;
  for (int row = 0; row <= VisibleLines(); ++row) {
    int line = m_topLine + row;
    if (line > static_cast<int>(lines.size())) break;
    int y = HeaderHeight() + row * m_lineHeight;
    if (line == caret) {
      RECT band = {gutter, y, client.right, y + m_lineHeight};
      HBRUSH caretBrush = CreateSolidBrush(kCaretLineColour);
      FillRect(dc, &band, caretBrush);
      DeleteObject(caretBrush);
    }
    std::wstring number = std::to_wstring(line);
    SetTextColor(dc, RGB(128, 128, 128));
    TextOutW(dc, gutter - m_charWidth * (static_cast<int>(number.size()) + 1), y, number.c_str(),
             static_cast<int>(number.size()));
    SetTextColor(dc, RGB(0, 0, 0));
    std::wstring text = ExpandTabs(lines[line - 1], static_cast<size_t>(client.right / std::max(1, m_charWidth) + 1));
    TextOutW(dc, gutter + m_charWidth / 2, y, text.c_str(), static_cast<int>(text.size()));
  }
  SelectObject(dc, oldFont);
  EndPaint(m_hWnd, &ps);
}

void EditorView::OnSize(UINT, int, int) {
  ScrollTo(m_topLine);
  Default();
}

void EditorView::OnLButtonDown(UINT, POINT) { SetFocus(); }

void EditorView::OnMouseWheel(UINT, short delta, POINT) { ScrollTo(m_topLine - 3 * delta / WHEEL_DELTA); }

void EditorView::OnVScroll(UINT code, UINT position, HWND) {
  int page = VisibleLines();
  switch (code) {
    case SB_LINEUP: ScrollTo(m_topLine - 1); break;
    case SB_LINEDOWN: ScrollTo(m_topLine + 1); break;
    case SB_PAGEUP: ScrollTo(m_topLine - page); break;
    case SB_PAGEDOWN: ScrollTo(m_topLine + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollTo(static_cast<int>(position)); break;
    default: break;
  }
}

void EditorView::OnKeyDown(UINT key, UINT, UINT) {
  int page = VisibleLines();
  switch (key) {
    case VK_UP: ScrollTo(m_topLine - 1); break;
    case VK_DOWN: ScrollTo(m_topLine + 1); break;
    case VK_PRIOR: ScrollTo(m_topLine - page); break;
    case VK_NEXT: ScrollTo(m_topLine + page); break;
    case VK_HOME: ScrollTo(1); break;
    case VK_END: ScrollTo(LineCount()); break;
    default: Default(); break;   // not a key of the view's
  }
}
