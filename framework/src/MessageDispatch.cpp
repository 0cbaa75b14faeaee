// Message map lookup and dispatch: each entry's handler called with the
// arguments its kind decodes from the message, notification reflection, and
// the default processing a handler may ask for.
#include <cstring>
#include "fw/Wnd.h"

namespace {

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

// The kinds of entry found by the message alone; WM_COMMAND and WM_NOTIFY
// entries carry a code and an ID, reflected ones a reflection message. A code
// this framework does not know is never matched.
bool IsMessageKind(UINT sig) { return sig == AfxSig_lwl || (sig >= AfxSig_vMessage && sig <= AfxSig_vTimer); }

// A point packed into lParam: two signed 16-bit coordinates (negative left of
// or above the origin, as on a second monitor or during a capture).
POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Calls a message entry's handler with its arguments; false when the message
// lacks what the handler needs (it then gets the default processing).
bool CallMessageHandler(CWnd& wnd, const AFX_MSGMAP_ENTRY* entry, WPARAM wParam, LPARAM lParam,
                        LRESULT* result) {
  *result = 0;
  switch (entry->nSig) {
    case AfxSig_lwl:
      *result = (wnd.*HandlerOf<LRESULT (CWnd::*)(WPARAM, LPARAM)>(entry))(wParam, lParam);
      return true;
    case AfxSig_vMessage:
      (wnd.*HandlerOf<void (CWnd::*)()>(entry))();
      return true;
    case AfxSig_vSize:
      (wnd.*HandlerOf<void (CWnd::*)(UINT, int, int)>(entry))(static_cast<UINT>(wParam), LOWORD(lParam),
                                                               HIWORD(lParam));
      return true;
    case AfxSig_bEraseBkgnd:
      *result = (wnd.*HandlerOf<bool (CWnd::*)(HDC)>(entry))(reinterpret_cast<HDC>(wParam)) ? 1 : 0;
      return true;
    case AfxSig_vMouse:
      (wnd.*HandlerOf<void (CWnd::*)(UINT, POINT)>(entry))(static_cast<UINT>(wParam), PointOf(lParam));
      return true;
    case AfxSig_vWheel:
      (wnd.*HandlerOf<void (CWnd::*)(UINT, short, POINT)>(entry))(
          GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam));
      return true;
    case AfxSig_vScroll:
      (wnd.*HandlerOf<void (CWnd::*)(UINT, UINT, HWND)>(entry))(LOWORD(wParam), HIWORD(wParam),
                                                                 reinterpret_cast<HWND>(lParam));
      return true;
    case AfxSig_vKey:
      (wnd.*HandlerOf<void (CWnd::*)(UINT, UINT, UINT)>(entry))(static_cast<UINT>(wParam), LOWORD(lParam),
                                                                 HIWORD(lParam));
      return true;
    case AfxSig_vMinMaxInfo:
      if (lParam == 0) return false;
      (wnd.*HandlerOf<void (CWnd::*)(MINMAXINFO*)>(entry))(reinterpret_cast<MINMAXINFO*>(lParam));
      return true;
    case AfxSig_vTimer:
      (wnd.*HandlerOf<void (CWnd::*)(UINT_PTR)>(entry))(static_cast<UINT_PTR>(wParam));
      return true;
    default:
      return false;
  }
}

// The message whose handler runs on this thread, for CWnd::Default; handlers
// may send messages of their own, so each call keeps the one before it.
struct DispatchedMessage {
  CWnd* wnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
thread_local const DispatchedMessage* t_dispatched = nullptr;

class DispatchScope {
 public:
  explicit DispatchScope(const DispatchedMessage& message) : m_outer(t_dispatched) { t_dispatched = &message; }
  ~DispatchScope() { t_dispatched = m_outer; }
  DispatchScope(const DispatchScope&) = delete;
  DispatchScope& operator=(const DispatchScope&) = delete;

 private:
  const DispatchedMessage* m_outer;
};

}  // namespace

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, AfxSig_end, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const AFX_MSGMAP* map = GetMessageMap();
  const DispatchedMessage dispatched = {this, message, wParam, lParam};
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
      DispatchScope scope(dispatched);
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
      DispatchScope scope(dispatched);
      (this->*HandlerOf<PMsgVoid>(entry))();
      *result = 0;
      return true;
    }
  }
  const AFX_MSGMAP_ENTRY* entry = FindEntry(map, [message](const AFX_MSGMAP_ENTRY& e) {
    return e.nMessage == message && IsMessageKind(e.nSig);
  });
  if (entry == nullptr) return false;
  DispatchScope scope(dispatched);
  return CallMessageHandler(*this, entry, wParam, lParam, result);
}

LRESULT CWnd::Default() {
  const DispatchedMessage* dispatched = t_dispatched;
  if (dispatched == nullptr || dispatched->wnd != this || m_hWnd == nullptr) return 0;
  return DefWindowProc(dispatched->message, dispatched->wParam, dispatched->lParam);
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
