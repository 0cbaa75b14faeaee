// The file picker's init and close entries and its add-to-history entry: the
// module owns the file list control on item 1020 and the filter combo box on
// item 1021 between the two, keeps the column widths per dialog ID and moves
// the file-name history into the combo box and back.
#include "dialogs/ColumnLayout.h"
#include "dialogs/DialogState.h"
#include "dialogs/FileHistoryCombo.h"
#include "dialogs/FileListCtrl.h"
#include "module/Entries.h"
#include "module/ModuleState.h"

namespace {

constexpr UINT kListItem = 1020;
constexpr UINT kComboItem = 1021;

}  // namespace

bool InitFileDialog(CWnd* dialog, DWORD dialogId, FileHistoryCombo** combo, FileListCtrl** list,
                    HostFileCollection** collectionLocation, DWORD** indexArrayLocation) {
  // A second init without a close first closes the controls of the first.
  if (g_fileDialog.list || g_fileDialog.combo) CloseFileDialog();
  if (combo) *combo = nullptr;
  if (list) *list = nullptr;
  if (!dialog) return true;

  g_fileDialog.dialogId = dialogId;

  FileListCtrl* listCtrl = new FileListCtrl;
  g_fileDialog.list = listCtrl;
  listCtrl->SubclassDlgItem(kListItem, dialog);
  listCtrl->SetIndexArrayLocation(indexArrayLocation);
  listCtrl->SetCollectionLocation(collectionLocation);
  if (listCtrl->IsWindow()) listCtrl->SetExtendedStyle(listCtrl->GetExtendedStyle() | 0x21);

  int visible = VisibleListWidth(*listCtrl);
  CString section = ColumnSectionName(dialogId);
  int nameDefault = ScaledWidth(visible, 0.33);
  int pathDefault = ScaledWidth(visible, 0.67);
  int nameWidth = ReadProfileWidth(section, "Sub1", nameDefault);
  int pathWidth = ReadProfileWidth(section, "Sub2", pathDefault);
  if (nameWidth <= 0) nameWidth = nameDefault;
  if (pathWidth <= 0) pathWidth = pathDefault;
  if (listCtrl->IsWindow()) {
    listCtrl->InsertColumn(0, "Filename", LVCFMT_LEFT, nameWidth);
    listCtrl->InsertColumn(1, "Path", LVCFMT_LEFT, pathWidth);
  }

  FileHistoryCombo* comboBox = new FileHistoryCombo;
  g_fileDialog.combo = comboBox;
  comboBox->SubclassDlgItem(kComboItem, dialog);
  comboBox->listControl = listCtrl;
  if (comboBox->IsWindow()) FillComboFromHistory(*comboBox, g_fileNameHistory);

  if (combo) *combo = comboBox;
  if (list) *list = listCtrl;
  return true;
}

bool CloseFileDialog() {
  // Without an open dialog there is nothing to store: the widths and the
  // history stay as they are.
  if (!g_fileDialog.list && !g_fileDialog.combo) return true;

  // Widths are read from the live list view only; a list view already gone
  // leaves the stored widths alone.
  FileListCtrl* listCtrl = g_fileDialog.list;
  if (listCtrl && listCtrl->IsWindow()) {
    int nameWidth = listCtrl->GetColumnWidth(0);
    int pathWidth = listCtrl->GetColumnWidth(1);
    CString section = ColumnSectionName(g_fileDialog.dialogId);
    WriteProfileWidth(section, "Sub1", nameWidth);
    WriteProfileWidth(section, "Sub2", pathWidth);
  }
  CopyComboToHistory(g_fileDialog.combo, g_fileNameHistory);

  delete g_fileDialog.combo;
  g_fileDialog.combo = nullptr;
  delete g_fileDialog.list;
  g_fileDialog.list = nullptr;
  return true;
}

void AddFileHistory(const CString& text) {
  if (g_fileDialog.combo) g_fileDialog.combo->AddHistoryText(text);
}
