#pragma once
// The controls the module owns for each open host dialog, from the dialog's
// init entry to its close entry. One file picker and one tag browser may be
// open at the same time; each has its own record. Null pointers mean closed.
#include <windows.h>

class FileListCtrl;
class FileHistoryCombo;
class TagListCtrl;
class TagHistoryCombo;

struct FileDialogState {
  DWORD dialogId;
  FileListCtrl* list;
  FileHistoryCombo* combo;
};

struct TagDialogState {
  DWORD dialogId;
  TagListCtrl* list;
  TagHistoryCombo* parentCombo;   // item 1051
  TagHistoryCombo* tagCombo;      // item 1052
};

// Plain records, zero before any constructor runs.
extern FileDialogState g_fileDialog;
extern TagDialogState g_tagDialog;
