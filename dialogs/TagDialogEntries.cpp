// The tag browser's init and close entries and its two add-to-history
// entries: the module owns the tag list control on item 1050 and the filter
// combo boxes on items 1051 (parent) and 1052 (tag name) between the two,
// keeps the six column widths per dialog ID and moves the tag-parent and
// tag-name histories into their combo boxes and back.
#include "dialogs/ColumnLayout.h"
#include "dialogs/DialogState.h"
#include "dialogs/TagHistoryCombo.h"
#include "dialogs/TagListCtrl.h"
#include "module/Entries.h"
#include "module/ModuleState.h"

namespace {

constexpr UINT kListItem = 1050;
constexpr UINT kParentComboItem = 1051;
constexpr UINT kTagComboItem = 1052;

constexpr int kColumnCount = 6;
const char* const kHeadings[kColumnCount] = {"Type", "Namespace", "Parent", "Tag", "Filename", "Line"};
const char* const kKeys[kColumnCount] = {"Sub1", "Sub1_5", "Sub2", "Sub3", "Sub4", "Sub5"};

// The stored widths, each default or replaced as the columns need: the
// defaults of the middle columns share out what the type column leaves of the
// visible width as read; replacements use its final width.
void ReadColumnWidths(const CString& section, int visible, int widths[kColumnCount]) {
  const int typeWidth = ReadProfileWidth(section, kKeys[0], 50);
  // In double precision: a stored width near the int limits must not overflow.
  const double rest = static_cast<double>(visible) - typeWidth;
  const double shares[kColumnCount] = {0, 0.25, 0.25, 0.5, 0, 0};
  const int fixed[kColumnCount] = {50, 0, 0, 0, 100, 400};
  widths[0] = typeWidth;
  for (int c = 1; c < kColumnCount; ++c) {
    int defaultValue = shares[c] > 0 ? static_cast<int>(rest * shares[c]) : fixed[c];
    widths[c] = ReadProfileWidth(section, kKeys[c], defaultValue);
  }

  if (widths[0] <= 0) widths[0] = fixed[0];
  const int remaining = visible - widths[0];
  for (int c = 1; c < kColumnCount; ++c) {
    if (widths[c] <= 0) widths[c] = shares[c] > 0 ? ScaledWidth(remaining, shares[c]) : fixed[c];
  }
}

TagHistoryCombo* AttachCombo(CWnd* dialog, UINT item, TagListCtrl* listCtrl,
                             const CStringArray& history) {
  TagHistoryCombo* combo = new TagHistoryCombo;
  combo->SubclassDlgItem(item, dialog);
  combo->listControl = listCtrl;
  if (combo->IsWindow()) FillComboFromHistory(*combo, history);
  return combo;
}

}  // namespace

bool InitTagDialog(CWnd* dialog, DWORD dialogId, TagHistoryCombo** parentCombo,
                   TagHistoryCombo** tagCombo, TagListCtrl** list, HostTag*** tagArrayLocation) {
  // A second init without a close first closes the controls of the first.
  if (g_tagDialog.list || g_tagDialog.parentCombo || g_tagDialog.tagCombo) CloseTagDialog();
  if (parentCombo) *parentCombo = nullptr;
  if (tagCombo) *tagCombo = nullptr;
  if (list) *list = nullptr;
  if (!dialog) return true;

  g_tagDialog.dialogId = dialogId;

  TagListCtrl* listCtrl = new TagListCtrl;
  g_tagDialog.list = listCtrl;
  listCtrl->SubclassDlgItem(kListItem, dialog);
  listCtrl->SetTagArrayLocation(tagArrayLocation);
  if (listCtrl->IsWindow()) listCtrl->SetExtendedStyle(listCtrl->GetExtendedStyle() | 0x21);

  int widths[kColumnCount];
  ReadColumnWidths(ColumnSectionName(dialogId), VisibleListWidth(*listCtrl), widths);
  if (listCtrl->IsWindow()) {
    for (int c = 0; c < kColumnCount; ++c) listCtrl->InsertColumn(c, kHeadings[c], LVCFMT_LEFT, widths[c]);
  }

  g_tagDialog.parentCombo = AttachCombo(dialog, kParentComboItem, listCtrl, g_tagParentHistory);
  g_tagDialog.tagCombo = AttachCombo(dialog, kTagComboItem, listCtrl, g_tagNameHistory);

  if (list) *list = listCtrl;
  if (parentCombo) *parentCombo = g_tagDialog.parentCombo;
  if (tagCombo) *tagCombo = g_tagDialog.tagCombo;
  return true;
}

bool CloseTagDialog() {
  // Without an open dialog there is nothing to store: the widths and the
  // histories stay as they are.
  if (!g_tagDialog.list && !g_tagDialog.parentCombo && !g_tagDialog.tagCombo) return true;

  // Widths are read from the live list view only; a list view already gone
  // leaves the stored widths alone.
  TagListCtrl* listCtrl = g_tagDialog.list;
  if (listCtrl && listCtrl->IsWindow()) {
    int widths[kColumnCount];
    for (int c = 0; c < kColumnCount; ++c) widths[c] = listCtrl->GetColumnWidth(c);
    CString section = ColumnSectionName(g_tagDialog.dialogId);
    for (int c = 0; c < kColumnCount; ++c) WriteProfileWidth(section, kKeys[c], widths[c]);
  }
  // A combo box whose window is gone keeps its history as it was at init.
  CopyComboToHistory(g_tagDialog.parentCombo, g_tagParentHistory);
  CopyComboToHistory(g_tagDialog.tagCombo, g_tagNameHistory);

  delete g_tagDialog.parentCombo;
  g_tagDialog.parentCombo = nullptr;
  delete g_tagDialog.tagCombo;
  g_tagDialog.tagCombo = nullptr;
  delete g_tagDialog.list;
  g_tagDialog.list = nullptr;
  return true;
}

void AddTagHistory(const CString& text) {
  if (g_tagDialog.tagCombo) g_tagDialog.tagCombo->AddHistoryText(text);
}

void AddTagParentHistory(const CString& text) {
  if (g_tagDialog.parentCombo) g_tagDialog.parentCombo->AddHistoryText(text);
}
