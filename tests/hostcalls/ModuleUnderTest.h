#pragma once
// ZorvoReg.mod loaded once for the program as the host loads it, with the
// reference IDE's application object and a workspace made of stubs, and the
// ways the tests call into it: every entry and every message that reaches the
// module through CallChecked, each checked for a balanced stack and kept
// registers.
#include <windows.h>
#include <initializer_list>
#include <string>
#include "fw/Dialog.h"
#include "host/ide/ReferenceIde.h"
#include "host/addin/ModuleTable.h"
#include "tests/hostcalls/StubHost.h"

ModuleTable* Table();
StubWorkspace& Workspace();
ReferenceIde& Ide();

// Calls a table entry (plain, caller removes the arguments) with 32-bit
// arguments; expects the stack and the kept registers back as they were, and
// returns EAX.
DWORD CallEntry(const void* entry, std::initializer_list<DWORD> arguments);
template <class F>
DWORD CallEntry(F* entry, std::initializer_list<DWORD> arguments) {
  return CallEntry(reinterpret_cast<const void*>(entry), arguments);
}
// The low byte of an entry's result, as a one-byte boolean.
inline int Bool(DWORD result) { return static_cast<int>(result & 0xFF); }
template <class T>
DWORD Word(T* p) { return reinterpret_cast<DWORD>(p); }

// A file name in the temporary folder, of this process, with that extension.
CString TempFileName(const char* extension);

// The text the list view gives for a cell (LVM_GETITEMTEXTA, sent through
// CallChecked).
std::string CellText(HWND list, int row, int subItem);

// A hidden framework dialog with the items of the file picker (list 1020,
// filter 1021) or of the tag browser (list 1050, filters 1051 and 1052).
class ItemDialog : public CDialog {
 public:
  enum Kind { FilePicker, TagBrowser };
  explicit ItemDialog(Kind kind);
  ~ItemDialog() override;
  HWND Item(int id) const { return GetDlgItem(id); }
};
