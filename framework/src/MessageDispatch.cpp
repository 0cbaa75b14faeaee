// Message map lookup and dispatch, notification reflection, and the window
// procedure that brings every message of an attached window to its object.
#include <cstring>
#include "fw/Wnd.h"
#include "WndInternal.h"

namespace {

typedef LRESULT (CWnd::*PMsgLwl)(WPARAM, LPARAM);
typedef void (CWnd::*PMsgNotify)(NMHDR*, LRESULT*);
typedef void (CWnd::*PMsgVoid)();

// An entry stores every handler as one member pointer type; its signature
// code says which type it really has. All member pointers share one layout.
template <typename Handler>
Handler HandlerOf(const AFX_MSGMAP_ENTRY* entry) {
  static_assert(sizeof(Handler) == sizeof(AFX_PMSG), "member pointers differ in size");
  Handler handler;
  std::memcpy(&handler, &entry->pfn, sizeof(handler));
  return handler;
}

// Walks the class's map and then its bases' maps; the most derived match wins.
template <typename Match>
const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* map, Match match) {
  for (; map != nullptr; map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry != nullptr && entry->nSig != AfxSig_end;
         ++entry) {
      if (match(*entry)) return entry;
    }
  }
  return nullptr;
}

// ON_COMMAND serves menu items (code 0), accelerators (code 1, no control)
// and buttons (BN_CLICKED, code 0).
bool IsCommandCode(UINT code, HWND control) { return code == 0 || (code == 1 && control == nullptr); }

}  // namespace

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, AfxSig_end, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const AFX_MSGMAP* map = GetMessageMap();
  if (message == WM_NOTIFY) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr) return false;
    CWnd* child = FromHandlePermanent(header->hwndFrom);
    if (child != nullptr && child != this && child->OnChildNotify(message, wParam, lParam, result))
      return true;
    const AFX_MSGMAP_ENTRY* entry = FindEntry(map, [header](const AFX_MSGMAP_ENTRY& e) {
      return e.nMessage == WM_NOTIFY && e.nSig == AfxSig_vNMHDRpl && e.nCode == header->code &&
             e.nID == static_cast<UINT>(header->idFrom);
    });
    if (entry != nullptr) {
      *result = 0;
      (this->*HandlerOf<PMsgNotify>(entry))(header, result);
      return true;
    }
  } else if (message == WM_COMMAND) {
    HWND control = reinterpret_cast<HWND>(lParam);
    UINT code = HIWORD(wParam);
    UINT id = LOWORD(wParam);
    CWnd* child = FromHandlePermanent(control);
    if (child != nullptr && child != this && child->OnChildNotify(message, wParam, lParam, result))
      return true;
    const AFX_MSGMAP_ENTRY* entry = FindEntry(map, [=](const AFX_MSGMAP_ENTRY& e) {
      return e.nMessage == WM_COMMAND && e.nSig == AfxSig_vv && e.nID == id &&
             (e.nCode == code || (e.nCode == 0xFFFFFFFFu && IsCommandCode(code, control)));
    });
    if (entry != nullptr) {
      (this->*HandlerOf<PMsgVoid>(entry))();
      *result = 0;
      return true;
    }
  }
  const AFX_MSGMAP_ENTRY* entry = FindEntry(map, [message](const AFX_MSGMAP_ENTRY& e) {
    return e.nMessage == message && e.nSig == AfxSig_lwl;
  });
  if (entry == nullptr) return false;
  *result = (this->*HandlerOf<PMsgLwl>(entry))(wParam, lParam);
  return true;
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  return ReflectChildNotify(message, wParam, lParam, result);
}

bool CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const AFX_MSGMAP* map = GetMessageMap();
  if (message == WM_NOTIFY) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr) return false;
    const AFX_MSGMAP_ENTRY* entry = FindEntry(map, [header](const AFX_MSGMAP_ENTRY& e) {
      return e.nMessage == WM_REFLECT_NOTIFY && e.nSig == AfxSig_vNMHDRpl && e.nCode == header->code;
    });
    if (entry == nullptr) return false;
    *result = 0;
    (this->*HandlerOf<PMsgNotify>(entry))(header, result);
    return true;
  }
  if (message == WM_COMMAND) {
    UINT code = HIWORD(wParam);
    const AFX_MSGMAP_ENTRY* entry = FindEntry(map, [code](const AFX_MSGMAP_ENTRY& e) {
      return e.nMessage == WM_REFLECT_COMMAND && e.nSig == AfxSig_vv && e.nCode == code;
    });
    if (entry == nullptr) return false;
    (this->*HandlerOf<PMsgVoid>(entry))();
    *result = 0;
    return true;
  }
  return false;
}

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
  if (wnd == nullptr) {
    // No object (yet, or any more): the window's own default processing.
    WNDPROC super = reinterpret_cast<WNDPROC>(::GetPropA(hwnd, kAfxSuperProcProp));
    if (message == WM_NCDESTROY) ::RemovePropA(hwnd, kAfxSuperProcProp);
    if (super != nullptr) return ::CallWindowProcA(super, hwnd, message, wParam, lParam);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  }
  if (message != WM_NCDESTROY) return wnd->WindowProc(message, wParam, lParam);

  // The last message of the window: let the object see it, then give the
  // window back its own procedure, forget the handle and tell the object.
  LRESULT result = wnd->WindowProc(message, wParam, lParam);
  if (CWnd::FromHandlePermanent(hwnd) == wnd) {
    if (wnd->m_pfnSuper != nullptr) {
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->m_pfnSuper));
      wnd->m_pfnSuper = nullptr;
    }
    ::RemovePropA(hwnd, kAfxSuperProcProp);
    wnd->Detach();
    wnd->PostNcDestroy();
  }
  return result;
}
