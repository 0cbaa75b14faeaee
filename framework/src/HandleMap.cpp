// The per-thread map from window handles to framework objects. Windows belong
// to the thread that created them, so each thread keeps its own map; the map
// is allocated on a thread's first attach and freed when its last entry goes.
#include <unordered_map>
#include "WndInternal.h"
#include "fw/Wnd.h"

namespace {
typedef std::unordered_map<HWND, CWnd*> HandleMap;
thread_local HandleMap* t_map = nullptr;
}  // namespace

bool AfxMapAdd(HWND hwnd, CWnd* wnd) {
  if (t_map == nullptr) t_map = new HandleMap;
  return t_map->emplace(hwnd, wnd).second;
}

void AfxMapRemove(HWND hwnd) {
  if (t_map == nullptr) return;
  t_map->erase(hwnd);
  if (t_map->empty()) {
    delete t_map;
    t_map = nullptr;
  }
}

CWnd* AfxMapLookup(HWND hwnd) {
  if (t_map == nullptr || hwnd == nullptr) return nullptr;
  auto it = t_map->find(hwnd);
  return it == t_map->end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return AfxMapLookup(hwnd); }

bool CWnd::Attach(HWND hwnd) {
  if (hwnd == nullptr || m_hWnd != nullptr) return false;
  if (!AfxMapAdd(hwnd, this)) return false;
  m_hWnd = hwnd;
  return true;
}

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  if (hwnd != nullptr && AfxMapLookup(hwnd) == this) AfxMapRemove(hwnd);
  m_hWnd = nullptr;
  return hwnd;
}
