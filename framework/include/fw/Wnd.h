#pragma once
#include <windows.h>
#include "fw/Export.h"
#include "fw/MessageMap.h"
#include "fw/String.h"

// One framework object per attached window, found from the handle through a
// per-thread handle map. Messages reach the object's WindowProc, which looks
// them up in the class's message map (chained to the base classes' maps) and
// otherwise hands them to the default processing: the window class's own
// procedure, or the procedure a subclassed window had before.
class FW_API CWnd {
 public:
  CWnd();
  virtual ~CWnd();   // destroys the window if it still exists
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The object attached to hwnd on this thread, or null.
  static CWnd* FromHandlePermanent(HWND hwnd);
  static CWnd* FromHandle(HWND hwnd) { return FromHandlePermanent(hwnd); }

  bool Attach(HWND hwnd);
  HWND Detach();
  // Creates a window; className null means the framework's default window class.
  virtual bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id, void* param = nullptr);
  // As CreateEx, but with a parent handle (e.g. HWND_MESSAGE or a foreign window).
  bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                const RECT& rect, HWND parent, UINT id, void* param = nullptr);
  virtual bool DestroyWindow();
  bool SubclassWindow(HWND hwnd);
  bool SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();

  // Thin members over the Win32 API.
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  CWnd* GetParent() const;   // the parent's framework object, or null
  HWND GetParentHwnd() const { return ::GetParent(m_hWnd); }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
  void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
  bool IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }
  bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
  bool ShowWindow(int cmdShow) { return ::ShowWindow(m_hWnd, cmdShow) != FALSE; }
  void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
  void GetWindowText(CString& text) const;
  void MoveWindow(int x, int y, int width, int height, bool repaint = true);
  void Invalidate(bool erase = true) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  HWND SetFocus() { return ::SetFocus(m_hWnd); }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
  bool EnableWindow(bool enable = true) { return ::EnableWindow(m_hWnd, enable) != FALSE; }
  // A timer of this window: WM_TIMER with the id every ms milliseconds. 0 when none was made.
  UINT_PTR SetTimer(UINT_PTR id, UINT ms) { return ::SetTimer(m_hWnd, id, ms, nullptr); }
  bool KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id) != FALSE; }

  // Sees each message that the framework's loop takes for this window (or a
  // window below it) before it is dispatched; true ends the message there.
  virtual bool PreTranslateMessage(MSG* msg);
  // The object's message handling: message map first, then DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Offers a WM_NOTIFY or WM_COMMAND this window sent its parent to its own
  // reflected entries; true when handled (result then holds the answer).
  virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Called after the window is gone (WM_NCDESTROY); the object stays.
  virtual void PostNcDestroy() {}

  // Modal loop for this window: pumps messages with pre-translation until
  // EndModalLoop; returns the code given to it.
  int RunModalLoop();
  void EndModalLoop(int result);
  bool ContinueModal() const { return m_bInModalLoop; }

  HWND m_hWnd;

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
  // Finds and calls a handler in the message map; true when one handled it.
  virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  bool ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // From a message map handler: the default processing (DefWindowProc) of the
  // message being handled, with its own wParam and lParam. Elsewhere, or once
  // the window is gone, nothing is done and the result is 0.
  LRESULT Default();
  WNDPROC m_pfnSuper;   // default processing of a subclassed window

 private:
  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  bool m_bInModalLoop = false;
  int m_nModalResult = 0;
};

FW_API LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Name of the framework's default window class (registered on first use).
FW_API const char* AfxDefaultWndClass();
// The walk the host's loops call for every message before dispatching it: from
// the target window up through its parents (stopping after the top-level
// window), each window with a framework object gets PreTranslateMessage; the
// first true result ends the message. Returns true when it was ended.
FW_API bool AfxPreTranslateMessage(MSG* msg);
// One step of the framework's message pump: get, pre-translate, translate,
// dispatch. False when WM_QUIT arrived.
FW_API bool AfxPumpMessage();
// Handles every message already queued, without waiting; false on WM_QUIT.
FW_API bool AfxPumpPendingMessages();
