#pragma once
// The module's operation table as the host sees it: fifteen code pointers
// (32-bit: 60 bytes, each a plain __cdecl function; 64-bit: 120 bytes, the
// platform's one convention); booleans are one byte. Host
// objects cross as untyped pointers; the module's controls as CWnd*.
#include <windows.h>
#include "fw/Wnd.h"

struct ModuleTable {
  void (*reserved0)(DWORD);
  bool (*initFileDialog)(CWnd* dialog, DWORD dialogId, CWnd** combo, CWnd** list,
                         void* collectionLocation, void* indexArrayLocation);
  bool (*closeFileDialog)();
  void (*addFileHistory)(const CString& text);
  void* reserved4;
  bool (*initTagDialog)(CWnd* dialog, DWORD dialogId, CWnd** parentCombo, CWnd** tagCombo,
                        CWnd** list, void* tagArrayLocation);
  void (*addTagHistory)(const CString& text);
  void (*addTagParentHistory)(const CString& text);
  bool (*closeTagDialog)();
  bool (*loadExtraFiles)(bool synchronise);
  bool (*saveExtraFiles)();
  void (*getExtraFiles)(void* hostList);
  void (*setExtraFiles)(void* hostList);
  void* (*getLastTag)();
  bool (*goToTag)(void* tag);
};
static_assert(sizeof(void*) == 8 ? sizeof(ModuleTable) == 120 : sizeof(ModuleTable) == 60,
              "fifteen code pointers: 60 bytes for a 32-bit host, 120 for a 64-bit one");

typedef ModuleTable* (*ZorvoRegCreateFn)(void* ideApplication, void* workspace);
typedef void (*ZorvoRegDestroyFn)(ModuleTable* table);
