#pragma once
// Shared by the dialog tests: the module loaded once for the whole program
// (ZorvoRegCreate with a raw IDE application object), the host's dialogs with
// test hooks, the watch on what the module sends them, and small probes on
// real windows.
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "fw/Framework.h"
#include "host/filterdialogs/FilePickerDialog.h"
#include "host/filterdialogs/TagBrowserDialog.h"
#include "host/addin/ModuleTable.h"
#include "tests/support/MessageWatch.h"

// The module's table, valid for the whole test program.
ModuleTable* Table();

// A tags-file line as ctags writes it, for the tags a test makes (through a
// TagSet): name, file, address (a /pattern/ or a line number), kind, and a
// scope field ("class:Outer") where the tag has one.
std::string TagLine(const std::string& name, const std::string& file, const std::string& address,
                    const std::string& kind, const std::string& scopeField = "");

// Text of a cell as the list view gives it (LVM_GETITEMTEXTA); the buffer
// starts out holding `supplied`.
std::string ListText(HWND list, int row, int subItem, const char* supplied = "");
// Sends the list view's display request to its parent the way the list view
// does, with our own record; returns the record as answered.
NMLVDISPINFOA AskDisplayInfo(HWND list, int row, int subItem, UINT mask = LVIF_TEXT);
// Makes the list view's client area `visibleWidth` + a vertical scroll bar wide.
void SizeListForVisibleWidth(HWND list, int visibleWidth);
int ClientWidth(HWND window);
std::string WindowText(HWND window);
int ProfileInt(const char* section, const char* key, int defaultValue = -12345);
CString SectionFor(DWORD dialogId);
// Posts to the window and handles everything queued through the host's loop
// (pre-translation included).
void PostAndPump(HWND window, UINT message, WPARAM wParam, LPARAM lParam = 1);
void Pump();
// Holds the real Ctrl key down (SendInput) while it lives.
class CtrlHeld {
 public:
  CtrlHeld();
  ~CtrlHeld();
  bool seen() const { return m_seen; }

 private:
  bool m_seen;
};
// PostAndPump for a key-down that must arrive with the real Ctrl held: Wine
// can let the injected Ctrl go before the key is taken from the queue, and
// the key is then withdrawn and posted again. False when it never went
// through with Ctrl down.
bool PostAndPumpWithCtrl(HWND window, WPARAM key);
// Puts into the record what the module sends while a test drives a dialog,
// in one sequence: the key-downs its list view receives (as "list"; the real
// Ctrl presses left out, since how many reach the list depends on how often
// Wine let Ctrl go) and the dialog's filter notifications and reload requests
// (as `dialogLabel`).
class DialogWatch {
 public:
  DialogWatch(HWND dialog, const char* dialogLabel, HWND list);

 private:
  MessageWatch m_list;
  MessageWatch m_dialog;
};

// The file picker with test hooks: the list sized before the module sees it;
// the dialog's own handlers for the combo box's notifications, which must
// never run (the combo box handles them), put "picker ... handled" entries
// into the record.
class TestFilePicker : public FilePickerDialog {
 public:
  explicit TestFilePicker(DWORD dialogId, int visibleWidth = 0)
      : FilePickerDialog(Table(), dialogId), m_visibleWidth(visibleWidth) {}
  ~TestFilePicker() override;

  DWORD extendedStyleBeforeInit = 0;

  HWND list() const { return ItemHwnd(kListId); }
  HWND combo() const { return ItemHwnd(kComboId); }
  HWND edit() const { return EditOf(kComboId); }

 protected:
  void LayoutControls() override;
  void OnOwnEditChange();
  void OnOwnSelEndOk();

 private:
  int m_visibleWidth;
  DECLARE_MESSAGE_MAP()
};

class TestTagBrowser : public TagBrowserDialog {
 public:
  explicit TestTagBrowser(DWORD dialogId, int visibleWidth = 0)
      : TagBrowserDialog(Table(), dialogId), m_visibleWidth(visibleWidth) {}
  ~TestTagBrowser() override;

  HWND list() const { return ItemHwnd(kListId); }
  HWND parentCombo() const { return ItemHwnd(kParentComboId); }
  HWND tagCombo() const { return ItemHwnd(kTagComboId); }

 protected:
  void LayoutControls() override;

 private:
  int m_visibleWidth;
};

// Combo box items in order.
std::vector<std::string> ComboItems(HWND combo);
void SetComboItems(HWND combo, const std::vector<std::string>& items);
