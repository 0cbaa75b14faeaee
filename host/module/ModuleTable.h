#pragma once
// The module's operation table as the host sees it: fifteen 32-bit code
// pointers, each a plain (__cdecl) function; booleans are one byte. Host
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
static_assert(sizeof(ModuleTable) == 60, "fifteen 32-bit code pointers");

typedef ModuleTable* (*ZorvoRegCreateFn)(void* ideApplication, void* workspace);
typedef void (*ZorvoRegDestroyFn)(ModuleTable* table);
