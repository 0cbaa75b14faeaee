#pragma once
// Helpers shared by the window half of the framework; not exported.
#include <windows.h>

class CWnd;

// The per-thread handle map: which framework object stands for a window.
bool AfxMapAdd(HWND hwnd, CWnd* wnd);   // false when hwnd already has an object
void AfxMapRemove(HWND hwnd);
CWnd* AfxMapLookup(HWND hwnd);

// Registers the common control classes (list view, combo box ex) once per process.
void AfxEnsureCommonControls();
// The framework DLL's own module handle (owner of the default window class).
HINSTANCE AfxFrameworkInstance();

// Window property holding the procedure a subclassed window had before, so a
// window that lost its object (Detach) still gets its own default processing.
extern const char* const kAfxSuperProcProp;

// Takes one message from the queue (waiting for it), pre-translates it and,
// unless pre-translation ended it, translates and dispatches it. False on
// WM_QUIT (msg then holds it) or when the queue cannot be read.
bool AfxPumpOne(MSG& msg);
