#pragma once
// What the two dialogs share for their list columns and histories: the
// profile section of a dialog, the visible list width, and moving a history
// list into a combo box and back.
#include <windows.h>
#include "fw/String.h"

class CListCtrl;
class CComboBox;
class CStringArray;

// "WindowPositions\ID=0x0000abcd" for dialog ID 0xabcd.
CString ColumnSectionName(DWORD dialogId);
// The list view's client width less a vertical scroll bar.
int VisibleListWidth(const CListCtrl& list);
// trunc(width × factor), computed in double precision.
int ScaledWidth(int width, double factor);

// Integer profile values; without an application object, the default and no write.
int ReadProfileWidth(const CString& section, const char* key, int defaultValue);
void WriteProfileWidth(const CString& section, const char* key, int value);

// Adds every history entry, first to last, to the combo box's list.
void FillComboFromHistory(CComboBox& combo, const CStringArray& history);
// Replaces the history with the combo box's items in their order. A combo box
// whose window is gone leaves the history as it was.
void CopyComboToHistory(const CComboBox* combo, CStringArray& history);
