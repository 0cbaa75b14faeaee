#pragma once
// The extra-files window: the list with the two flags of each entry and what
// the workspace holds for its name; add, set flags, remove, save, and load
// with or without synchronisation, all through the module's entries.
#include <functional>
#include "fw/Wnd.h"
#include "host/app/ExtraFilesController.h"

class ExtraFilesWindow : public CWnd {
 public:
  enum : int {
    kListId = 1101, kNameId, kFirstFlagId, kSecondFlagId, kAddId, kSetFlagsId, kRemoveId,
    kSaveId, kLoadSyncId, kLoadId, kStatusId
  };

  explicit ExtraFilesWindow(ExtraFilesController& controller) : m_controller(controller) {}

  bool Create(CWnd* owner);
  // The list again from the controller, and a status line.
  void Refresh(const std::string& status = std::string());
  // Called after a load with synchronisation changed the workspace.
  std::function<void()> onWorkspaceChanged;

 private:
  HWND Child(int id) const { return GetDlgItem(id); }
  HWND AddChild(const char* className, const char* text, DWORD style, int x, int y, int cx, int cy, int id);
  // The buttons.
  void OnAdd();
  void OnSetFlags();
  void OnRemove();
  void OnSave();
  void OnLoadSync() { Load(true); }
  void OnLoad() { Load(false); }
  void Load(bool sync);
  // A row chosen: its flags into the two check boxes.
  void OnListItemChanged(NMHDR* header, LRESULT* result);
  void OnClose() { DestroyWindow(); }
  int SelectedRow() const;
  unsigned char CheckedFlags() const;

  ExtraFilesController& m_controller;

  DECLARE_MESSAGE_MAP()
};
