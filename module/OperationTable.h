#pragma once
#include "module/Entries.h"

// The fifteen code pointers the host receives from ZorvoRegCreate.
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
// Fifteen code pointers: 60 bytes in the 32-bit product, 120 in the 64-bit build.
static_assert(sizeof(void (*)()) == sizeof(void*), "code pointers are as wide as data pointers");
static_assert(sizeof(OperationTable) == 15 * sizeof(void (*)()), "the operation table is fifteen code pointers");
static_assert(sizeof(void*) == 8 ? sizeof(OperationTable) == 120 : sizeof(OperationTable) == 60,
              "60 bytes for 32-bit hosts, 120 for 64-bit hosts");

// Writes the module's entries into slots 0 to 3 and 5 to 14; slot 4 is left as it is.
void FillOperationTable(OperationTable& table);
