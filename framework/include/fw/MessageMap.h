#pragma once
#include <windows.h>
#include <cstring>

class CWnd;

// How an entry's handler is called: its type and how its arguments come out of
// the message. The codes are compiled into the maps of every module built
// against this header, so a code keeps its number and its meaning; a new kind
// of entry takes the next free number.
enum AfxSig {
  AfxSig_end = 0,
  AfxSig_lwl = 1,       // LRESULT (CWnd::*)(WPARAM, LPARAM)     ON_MESSAGE
  AfxSig_vNMHDRpl = 2,  // void (CWnd::*)(NMHDR*, LRESULT*)       ON_NOTIFY, ON_NOTIFY_REFLECT
  AfxSig_vv = 3,        // void (CWnd::*)()                       ON_CONTROL, ON_CONTROL_REFLECT, ON_COMMAND
  // Window messages with typed arguments (the ON_WM_ entries below). A handler
  // that wants the default processing as well calls CWnd::Default.
  AfxSig_vMessage = 4,     // void ()                             WM_PAINT, WM_CLOSE, WM_DESTROY
  AfxSig_vSize = 5,        // void (UINT type, int cx, int cy)    WM_SIZE
  AfxSig_bEraseBkgnd = 6,  // bool (HDC dc); the result is 1 or 0  WM_ERASEBKGND
  AfxSig_vMouse = 7,       // void (UINT keys, POINT point)       WM_LBUTTONDOWN
  AfxSig_vWheel = 8,       // void (UINT keys, short delta, POINT screenPoint)  WM_MOUSEWHEEL
  AfxSig_vScroll = 9,      // void (UINT code, UINT position, HWND scrollBar)   WM_VSCROLL
  AfxSig_vKey = 10,        // void (UINT key, UINT repeat, UINT flags)          WM_KEYDOWN
  AfxSig_vMinMaxInfo = 11, // void (MINMAXINFO* info)             WM_GETMINMAXINFO
  AfxSig_vTimer = 12,      // void (UINT_PTR id)                  WM_TIMER
};

// Message codes that mark reflected entries in a child's map.
enum : UINT {
  WM_REFLECT_BASE = 0xBC00,
  WM_REFLECT_NOTIFY = WM_REFLECT_BASE + WM_NOTIFY,
  WM_REFLECT_COMMAND = WM_REFLECT_BASE + WM_COMMAND,
};

typedef void (CWnd::*AFX_PMSG)();

// The entries keep every handler as an AFX_PMSG; the signature code says which
// type it really has. All these member pointers share one representation, so
// the bits are carried over unchanged.
template <typename Handler>
inline AFX_PMSG AfxPmsgOf(Handler handler) {
  static_assert(sizeof(Handler) == sizeof(AFX_PMSG), "member pointers differ in size");
  AFX_PMSG pmsg;
  std::memcpy(&pmsg, &handler, sizeof(pmsg));
  return pmsg;
}

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;   // WM_xxx, WM_NOTIFY/WM_COMMAND, or a WM_REFLECT_ code
  UINT nCode;      // notification code (WM_NOTIFY, WM_COMMAND and reflected)
  UINT nID;        // control ID (0 for plain and reflected entries)
  UINT nSig;       // AfxSig
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                     \
 protected:                                                       \
  static const AFX_MSGMAP* GetThisMessageMap();                   \
  const AFX_MSGMAP* GetMessageMap() const override;               \
 private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                  \
    typedef theClass ThisClass;                                                      \
    typedef baseClass TheBaseClass;                                                  \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                            \
      {0, 0, 0, AfxSig_end, nullptr}};                                               \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, _messageEntries}; \
    return &messageMap;                                                              \
  }

// LRESULT OnX(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn) \
  {message, 0, 0, AfxSig_lwl, AfxPmsgOf(static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn))},
// void OnX(NMHDR*, LRESULT*) for WM_NOTIFY code from child id
#define ON_NOTIFY(code, id, memberFxn) \
  {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), AfxSig_vNMHDRpl, AfxPmsgOf(static_cast<void (CWnd::*)(NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},
// void OnX(NMHDR*, LRESULT*) for a WM_NOTIFY code this control sent to its parent
#define ON_NOTIFY_REFLECT(code, memberFxn) \
  {WM_REFLECT_NOTIFY, static_cast<UINT>(code), 0, AfxSig_vNMHDRpl, AfxPmsgOf(static_cast<void (CWnd::*)(NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},
// void OnX() for WM_COMMAND notification code from child id
#define ON_CONTROL(code, id, memberFxn) \
  {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
// void OnX() for a WM_COMMAND notification code this control sent to its parent
#define ON_CONTROL_REFLECT(code, memberFxn) \
  {WM_REFLECT_COMMAND, static_cast<UINT>(code), 0, AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
// void OnX() for a menu or button command id (WM_COMMAND code 0 or 1)
#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, 0xFFFFFFFFu, static_cast<UINT>(id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::memberFxn)},

// Typed entries for window messages: each calls the member of the fixed name
// with the message's arguments decoded; the message's result is 0 unless said.
#define AFX_WM_ENTRY(message, sig, type, memberFxn) \
  {message, 0, 0, sig, AfxPmsgOf(static_cast<type>(&ThisClass::memberFxn))},
// void OnPaint()
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSig_vMessage, void (CWnd::*)(), OnPaint)
// void OnClose()
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxSig_vMessage, void (CWnd::*)(), OnClose)
// void OnDestroy()
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSig_vMessage, void (CWnd::*)(), OnDestroy)
// void OnSize(UINT type, int cx, int cy): SIZE_RESTORED, ..., and the new client size
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxSig_vSize, void (CWnd::*)(UINT, int, int), OnSize)
// bool OnEraseBkgnd(HDC dc): true when the background is erased (result 1)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_bEraseBkgnd, bool (CWnd::*)(HDC), OnEraseBkgnd)
// void OnLButtonDown(UINT keys, POINT point): MK_ flags, client coordinates
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_vMouse, void (CWnd::*)(UINT, POINT), OnLButtonDown)
// void OnMouseWheel(UINT keys, short delta, POINT screenPoint): delta in WHEEL_DELTA steps, away from the user > 0
#define ON_WM_MOUSEWHEEL() \
  AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_vWheel, void (CWnd::*)(UINT, short, POINT), OnMouseWheel)
// void OnVScroll(UINT code, UINT position, HWND scrollBar): SB_ code, the thumb's
// position for SB_THUMBTRACK and SB_THUMBPOSITION, null for the window's own bar
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, AfxSig_vScroll, void (CWnd::*)(UINT, UINT, HWND), OnVScroll)
// void OnKeyDown(UINT key, UINT repeat, UINT flags): virtual key, repeat count, lParam's high word
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_vKey, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
// void OnGetMinMaxInfo(MINMAXINFO* info); a message without its structure gets the default processing
#define ON_WM_GETMINMAXINFO() \
  AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_vMinMaxInfo, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSig_vTimer, void (CWnd::*)(UINT_PTR), OnTimer)
