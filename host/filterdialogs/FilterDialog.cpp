#include "host/filterdialogs/FilterDialog.h"
#include <commctrl.h>
#include <algorithm>
#include "fw/WinApp.h"

namespace {

// Posted after a filter notification: by then a choice from the drop-down
// list has reached the edit field.
constexpr UINT kRecheckFilter = WM_APP + 0x50;

void InitListViewClasses() {
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&init);
}

bool IsClass(HWND window, const char* className) {
  char name[16] = {};
  return GetClassNameA(window, name, sizeof(name)) > 0 && lstrcmpiA(name, className) == 0;
}

// The item's rectangle in its parent's client coordinates. A drop-down combo
// box's window is as tall as its open list: its rectangle says so, or moving
// it would shut the list.
RECT ItemRect(HWND item, HWND parent) {
  RECT rect;
  GetWindowRect(item, &rect);
  if (IsClass(item, WC_COMBOBOXA)) {
    RECT dropped;
    if (SendMessageA(item, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)))
      rect.bottom = std::max(rect.bottom, dropped.bottom);
  }
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void Shift(LONG& nearEdge, LONG& farEdge, Follow follow, int delta) {
  if (follow == Follow::Move) nearEdge += delta;
  if (follow != Follow::Stay) farEdge += delta;
}

RECT WorkArea() {
  RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

}  // namespace

BEGIN_MESSAGE_MAP(FilterDialog, CDialog)
  ON_WM_DESTROY()
  ON_MESSAGE(kRecheckFilter, OnRecheckFilter)
  ON_WM_SIZE()
  ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

bool FilterDialog::CreateModeless(CWnd* parent) {
  InitListViewClasses();
  CDialogTemplate dialogTemplate = BuildTemplate();
  return CreateIndirect(dialogTemplate.Get(), parent);
}

INT_PTR FilterDialog::RunModal(CWnd* parent) {
  InitListViewClasses();
  CDialogTemplate dialogTemplate = BuildTemplate();
  return DoModalIndirect(dialogTemplate.Get(), parent);
}

CString FilterDialog::SizeSection() const {
  CString section;
  section.Format("HostDialogSize\\ID=0x%08lx", static_cast<unsigned long>(m_dialogId));
  return section;
}

HWND FilterDialog::EditOf(int comboId) const {
  if (!IsWindow()) return nullptr;
  return FindWindowExA(GetDlgItem(comboId), nullptr, WC_EDITA, nullptr);
}

CString FilterDialog::FilterText(int comboId) const {
  if (!IsWindow()) return CString();
  HWND combo = GetDlgItem(comboId);
  int length = GetWindowTextLengthA(combo);
  CString text;
  if (length > 0) {
    ::GetWindowTextA(combo, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer();
  }
  return text;
}

int FilterDialog::SelectedRow(int listId) const {
  if (!IsWindow()) return -1;
  return static_cast<int>(::SendMessageA(GetDlgItem(listId), LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void FilterDialog::SetStatus(const char* text) {
  if (IsWindow()) ::SetDlgItemTextA(m_hWnd, kStatusLineId, text);
}

bool FilterDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  RECT client, window;
  GetClientRect(&client);
  GetWindowRect(&window);
  m_client = {client.right, client.bottom};
  m_minimum = {window.right - window.left, window.bottom - window.top};
  m_placed = true;
  bool restored = m_keepSize && RestoreSize();
  LayoutControls();
  OpenModule();
  m_moduleOpen = true;
  // The module has sized the columns; a first opening makes room for them.
  if (m_keepSize && !restored) FitColumns();
  ApplyFilter();
  return true;
}

SIZE FilterDialog::StoredSize() const {
  CWinApp* app = AfxGetApp();
  if (!app) return {0, 0};
  return {app->GetProfileInt(SizeSection(), "Width", 0), app->GetProfileInt(SizeSection(), "Height", 0)};
}

bool FilterDialog::RestoreSize() {
  SIZE stored = StoredSize();
  if (stored.cx <= 0 || stored.cy <= 0) return false;
  RECT area = WorkArea();
  int width = std::min(std::max<int>(stored.cx, m_minimum.cx), static_cast<int>(area.right - area.left));
  int height = std::min(std::max<int>(stored.cy, m_minimum.cy), static_cast<int>(area.bottom - area.top));
  SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void FilterDialog::FitColumns() {
  HWND list = GetDlgItem(ListId());
  HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
  int columns = header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  // Room for a vertical scroll bar too, whether the list shows one yet or not.
  int needed = GetSystemMetrics(SM_CXVSCROLL);
  for (int column = 0; column < columns; ++column)
    needed += static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
  RECT listClient;
  ::GetClientRect(list, &listClient);
  int missing = needed - listClient.right;
  if (missing <= 0) return;
  RECT window, area = WorkArea();
  GetWindowRect(&window);
  int width = std::min(static_cast<int>(window.right - window.left) + missing, static_cast<int>(area.right - area.left));
  SetWindowPos(m_hWnd, nullptr, 0, 0, width, window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FilterDialog::StoreSize() {
  CWinApp* app = AfxGetApp();
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof(placement);
  if (!app || !GetWindowPlacement(m_hWnd, &placement)) return;
  const RECT& normal = placement.rcNormalPosition;   // the size it has when not maximised
  app->WriteProfileInt(SizeSection(), "Width", normal.right - normal.left);
  app->WriteProfileInt(SizeSection(), "Height", normal.bottom - normal.top);
}

std::vector<ItemAnchor> FilterDialog::Anchors() const {
  std::vector<ItemAnchor> anchors = {
      {ListId(), Follow::Stretch, Follow::Stretch},
      {kStatusLineId, Follow::Stretch, Follow::Move},
      {IDOK, Follow::Move, Follow::Move},
      {IDCANCEL, Follow::Move, Follow::Move},
  };
  for (const ItemAnchor& own : OwnAnchors()) anchors.push_back(own);
  return anchors;
}

void FilterDialog::FollowSize(int width, int height) {
  if (!m_placed) return;
  int dx = width - m_client.cx, dy = height - m_client.cy;
  if (dx == 0 && dy == 0) return;
  m_client = {width, height};
  for (const ItemAnchor& anchor : Anchors()) {
    HWND item = GetDlgItem(anchor.id);
    if (!item) continue;
    RECT rect = ItemRect(item, m_hWnd);
    Shift(rect.left, rect.right, anchor.horizontal, dx);
    Shift(rect.top, rect.bottom, anchor.vertical, dy);
    ::SetWindowPos(item, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Invalidate();
}

bool FilterDialog::IsFilterEdit(HWND window) const {
  HWND combo = ::GetParent(window);
  return combo && ::GetParent(combo) == m_hWnd && IsClass(window, WC_EDITA) && IsClass(combo, WC_COMBOBOXA);
}

bool FilterDialog::PreTranslateMessage(MSG* msg) {
  // Ctrl+A selects the whole filter, as in other text fields.
  if (msg->message == WM_KEYDOWN && msg->wParam == 'A' && (GetKeyState(VK_CONTROL) & 0x8000) &&
      IsFilterEdit(msg->hwnd)) {
    ::SendMessageA(msg->hwnd, EM_SETSEL, 0, -1);
    return true;
  }
  return CDialog::PreTranslateMessage(msg);
}

void FilterDialog::OnOK() {
  if (!OnChosen()) {
    MessageBeep(MB_OK);   // no row to choose: the filter stays for the user to change
    return;
  }
  EnsureModuleClosed();
  CDialog::OnOK();
}

void FilterDialog::OnCancel() {
  EnsureModuleClosed();
  CDialog::OnCancel();
}

void FilterDialog::EnsureModuleClosed() {
  if (m_keepSize && m_moduleOpen) StoreSize();
  if (!m_moduleOpen) return;
  m_moduleOpen = false;
  CloseModule();
}

void FilterDialog::ApplyFilter() {
  m_lastFilterKey = FilterKey();
  Refilter();
}

void FilterDialog::OnFilterNotification() {
  ApplyFilter();
  PostMessage(kRecheckFilter);
}

void FilterDialog::OnDestroy() {
  EnsureModuleClosed();
  Default();
}

LRESULT FilterDialog::OnRecheckFilter(WPARAM, LPARAM) {
  if (m_moduleOpen && FilterKey() != m_lastFilterKey) ApplyFilter();
  return 0;
}

void FilterDialog::OnSize(UINT type, int cx, int cy) {
  if (type != SIZE_MINIMIZED) FollowSize(cx, cy);
  Default();
}

void FilterDialog::OnGetMinMaxInfo(MINMAXINFO* info) {
  if (m_placed) info->ptMinTrackSize = {m_minimum.cx, m_minimum.cy};
  Default();
}
