#pragma once
// What the file picker's and the tag browser's templates are built from
// alike: the dialog's style, the styles of its labels, filters and list, the
// predefined class of the labels, and the bottom row both end with (the
// status line, OK and Cancel).
#include <windows.h>
#include <commctrl.h>
#include "fw/DialogTemplate.h"

// The template's ordinal of the predefined static class (its labels).
constexpr WORD kStaticClassAtom = 0x0082;

// Resizable, with a caption, a close box and a maximise box.
constexpr DWORD kFilterDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_THICKFRAME | WS_MAXIMIZEBOX;
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kFilterComboStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
// Owner data: the host keeps the rows, the module answers for their texts.
constexpr DWORD kFilterListStyle =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS;

// The status line's item, shared by both dialogs.
constexpr int kStatusLineId = 1090;

// Adds the bottom row, `height` being the template's (dialog units): the
// status line, `statusWidth` wide, at the left margin, then OK (the default
// button) and Cancel at the right.
void AddStatusAndButtons(CDialogTemplate& t, int height, int statusWidth);
