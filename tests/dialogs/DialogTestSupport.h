#pragma once
// Shared by the dialog tests: the module loaded once for the whole program
// (ZorvoRegCreate with a raw IDE application object), the host's dialogs with
// test hooks, and small probes on real windows.
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "fw/Framework.h"
#include "host/filterdialogs/FilePickerDialog.h"
#include "host/filterdialogs/TagBrowserDialog.h"
#include "host/addin/ModuleTable.h"

// The module's table, valid for the whole test program.
ModuleTable* Table();

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
// Records the WM_KEYDOWN messages that one window receives, sent or posted.
class KeyProbe {
 public:
  explicit KeyProbe(HWND window);
  ~KeyProbe();
  const std::vector<WPARAM>& keys() const;
  void Clear();
};

// The file picker with test hooks: the list sized before the module sees it,
// counts of the filter notifications and of the dialog's own handlers.
class TestFilePicker : public FilePickerDialog {
 public:
  explicit TestFilePicker(DWORD dialogId, int visibleWidth = 0)
      : FilePickerDialog(Table(), dialogId), m_visibleWidth(visibleWidth) {}
  ~TestFilePicker() override;

  int filterNotifications = 0;
  int ownEditChange = 0;
  int ownSelEndOk = 0;
  int reloadRequests = 0;
  DWORD extendedStyleBeforeInit = 0;

  HWND list() const { return ItemHwnd(kListId); }
  HWND combo() const { return ItemHwnd(kComboId); }
  HWND edit() const { return EditOf(kComboId); }

 protected:
  void LayoutControls() override;
  void OnTestFilterChanged(NMHDR* header, LRESULT* result);
  void OnOwnEditChange() { ++ownEditChange; }
  void OnOwnSelEndOk() { ++ownSelEndOk; }
  LRESULT OnReload(WPARAM, LPARAM) { ++reloadRequests; return 0; }

 private:
  int m_visibleWidth;
  DECLARE_MESSAGE_MAP()
};

class TestTagBrowser : public TagBrowserDialog {
 public:
  explicit TestTagBrowser(DWORD dialogId, int visibleWidth = 0)
      : TagBrowserDialog(Table(), dialogId), m_visibleWidth(visibleWidth) {}
  ~TestTagBrowser() override;

  int reloadRequests = 0;

  HWND list() const { return ItemHwnd(kListId); }
  HWND parentCombo() const { return ItemHwnd(kParentComboId); }
  HWND tagCombo() const { return ItemHwnd(kTagComboId); }

 protected:
  void LayoutControls() override;
  LRESULT OnCountedReload(WPARAM comboId, LPARAM lParam);

 private:
  int m_visibleWidth;
  DECLARE_MESSAGE_MAP()
};

// Combo box items in order.
std::vector<std::string> ComboItems(HWND combo);
void SetComboItems(HWND combo, const std::vector<std::string>& items);
