#pragma once
#include "module/Entries.h"

// The fifteen 32-bit code pointers the host receives from ZorvoRegCreate.
struct OperationTable {
  void (*reserved0)(DWORD);
  bool (*initFileDialog)(CWnd*, DWORD, FileHistoryCombo**, FileListCtrl**, HostFileCollection**, DWORD**);
  bool (*closeFileDialog)();
  void (*addFileHistory)(const CString&);
  void* reserved4;   // never written by the module
  bool (*initTagDialog)(CWnd*, DWORD, TagHistoryCombo**, TagHistoryCombo**, TagListCtrl**, HostTag***);
  void (*addTagHistory)(const CString&);
  void (*addTagParentHistory)(const CString&);
  bool (*closeTagDialog)();
  bool (*loadExtraFiles)(bool);
  bool (*saveExtraFiles)();
  void (*getExtraFiles)(ExtraFileList*);
  void (*setExtraFiles)(ExtraFileList*);
  HostTag* (*getLastTag)();
  bool (*goToTag)(HostTag*);
};
static_assert(sizeof(OperationTable) == 60, "the operation table is fifteen 32-bit pointers");

// Writes the module's entries into slots 0 to 3 and 5 to 14; slot 4 is left as it is.
void FillOperationTable(OperationTable& table);
