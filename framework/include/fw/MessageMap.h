#pragma once
#include <windows.h>
#include <cstring>

class CWnd;

// One entry of a class's message map.
enum AfxSig {
  AfxSig_end = 0,
  AfxSig_lwl,      // LRESULT (CWnd::*)(WPARAM, LPARAM)           ON_MESSAGE
  AfxSig_vNMHDRpl, // void (CWnd::*)(NMHDR*, LRESULT*)             ON_NOTIFY, ON_NOTIFY_REFLECT
  AfxSig_vv,       // void (CWnd::*)()                             ON_CONTROL, ON_CONTROL_REFLECT, ON_COMMAND
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
