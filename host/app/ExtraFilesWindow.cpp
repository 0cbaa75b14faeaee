#include "host/app/ExtraFilesWindow.h"
#include <commctrl.h>

BEGIN_MESSAGE_MAP(ExtraFilesWindow, CWnd)
  ON_CONTROL(BN_CLICKED, kAddId, OnAdd)
  ON_CONTROL(BN_CLICKED, kSetFlagsId, OnSetFlags)
  ON_CONTROL(BN_CLICKED, kRemoveId, OnRemove)
  ON_CONTROL(BN_CLICKED, kSaveId, OnSave)
  ON_CONTROL(BN_CLICKED, kLoadSyncId, OnLoadSync)
  ON_CONTROL(BN_CLICKED, kLoadId, OnLoad)
  ON_NOTIFY(LVN_ITEMCHANGED, kListId, OnListItemChanged)
  ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace {

// The check boxes and the flag each one shows.
struct FlagBox {
  int id;
  unsigned char flag;
};
constexpr FlagBox kFlagBoxes[] = {
    {ExtraFilesWindow::kFirstFlagId, kAddToWorkspaceFlag},
    {ExtraFilesWindow::kSecondFlagId, kSecondFlag},
};

}  // namespace

HWND ExtraFilesWindow::AddChild(const char* className, const char* text, DWORD style, int x, int y, int cx,
                                int cy, int id) {
  HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return child;
}

bool ExtraFilesWindow::Create(CWnd* owner) {
  RECT rect = {120, 120, 120 + 600, 120 + 400};
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  AdjustWindowRect(&rect, style, FALSE);
  if (!CreateEx(0, nullptr, "Extra files", style, rect, owner ? owner->GetSafeHwnd() : nullptr, 0)) return false;

  HWND list = AddChild(WC_LISTVIEWA, "", WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                       8, 8, 584, 240, kListId);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  const struct { const char* heading; int width; } columns[] = {
      {"Name", 300}, {"Flags (bit 0, bit 1)", 120}, {"Workspace", 160}};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = columns[i].width;
    column.pszText = const_cast<char*>(columns[i].heading);
    ::SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  AddChild(WC_STATICA, "Name:", 0, 8, 262, 40, 20, 0);
  AddChild(WC_EDITA, "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 50, 258, 270, 24, kNameId);
  AddChild(WC_BUTTONA, "Add to workspace (bit 0)", WS_TABSTOP | BS_AUTOCHECKBOX, 330, 260, 160, 20, kFirstFlagId);
  AddChild(WC_BUTTONA, "Second flag (bit 1)", WS_TABSTOP | BS_AUTOCHECKBOX, 490, 260, 110, 20, kSecondFlagId);
  const struct { const char* text; int id; } buttons[] = {
      {"Add", kAddId}, {"Set flags", kSetFlagsId}, {"Remove", kRemoveId},
      {"Save", kSaveId}, {"Load + sync", kLoadSyncId}, {"Load", kLoadId}};
  for (int i = 0; i < 6; ++i) {
    AddChild(WC_BUTTONA, buttons[i].text, WS_TABSTOP | BS_PUSHBUTTON, 8 + i * 98, 296, 90, 28, buttons[i].id);
  }
  AddChild(WC_STATICA, "", SS_LEFTNOWORDWRAP, 8, 340, 584, 40, kStatusId);
  m_controller.Fetch();
  Refresh("The module's list; Save writes it, Load reads the file again.");
  ShowWindow(SW_SHOW);
  return true;
}

void ExtraFilesWindow::Refresh(const std::string& status) {
  HWND list = Child(kListId);
  ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  std::vector<HostExtraFileEntry> entries = m_controller.Entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    std::string texts[3] = {static_cast<const char*>(entries[i].name),
                            ExtraFilesController::FlagDigits(entries[i].flags),
                            m_controller.WorkspaceState(entries[i].name)};
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<char*>(texts[0].c_str());
    ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (int sub = 1; sub < 3; ++sub) {
      item.iSubItem = sub;
      item.pszText = const_cast<char*>(texts[sub].c_str());
      ::SendMessageA(list, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
    }
  }
  if (!status.empty()) ::SetWindowTextA(Child(kStatusId), status.c_str());
}

int ExtraFilesWindow::SelectedRow() const {
  return static_cast<int>(::SendMessageA(Child(kListId), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

unsigned char ExtraFilesWindow::CheckedFlags() const {
  unsigned char flags = 0;
  for (const FlagBox& box : kFlagBoxes)
    if (::SendMessageA(Child(box.id), BM_GETCHECK, 0, 0) == BST_CHECKED) flags |= box.flag;
  return flags;
}

void ExtraFilesWindow::OnAdd() {
  char name[MAX_PATH] = {};
  ::GetWindowTextA(Child(kNameId), name, sizeof(name));
  m_controller.Add(name, CheckedFlags());
  ::SetWindowTextA(Child(kNameId), "");
  Refresh(std::string("Added ") + name + ".");
}

void ExtraFilesWindow::OnSetFlags() {
  Refresh(m_controller.SetFlags(SelectedRow(), CheckedFlags()) ? "Flags set." : "Select an entry first.");
}

void ExtraFilesWindow::OnRemove() {
  Refresh(m_controller.Remove(SelectedRow()) ? "Removed." : "Select an entry first.");
}

void ExtraFilesWindow::OnSave() {
  Refresh(m_controller.Save() ? "Saved " + std::to_string(m_controller.Entries().size()) + " entries."
                              : std::string("Nothing was saved: the file cannot be written."));
}

void ExtraFilesWindow::Load(bool sync) {
  bool ok = m_controller.Load(sync);
  if (sync && onWorkspaceChanged) onWorkspaceChanged();
  std::string count = std::to_string(m_controller.Entries().size()) + " entries";
  Refresh(ok ? (sync ? "Loaded " + count + " and merged them into the workspace." : "Loaded " + count + ".")
             : std::string("The file cannot be read, or was not an extra-files file "
                           "(then set aside as .old or .old.N)."));
}

void ExtraFilesWindow::OnListItemChanged(NMHDR*, LRESULT*) {
  int row = SelectedRow();
  std::vector<HostExtraFileEntry> entries = m_controller.Entries();
  if (row < 0 || row >= static_cast<int>(entries.size())) return;
  for (const FlagBox& box : kFlagBoxes)
    ::SendMessageA(Child(box.id), BM_SETCHECK, (entries[row].flags & box.flag) ? BST_CHECKED : BST_UNCHECKED, 0);
}
