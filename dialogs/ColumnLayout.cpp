#include "dialogs/ColumnLayout.h"
#include "fw/Controls.h"
#include "fw/StringArray.h"
#include "fw/WinApp.h"

CString ColumnSectionName(DWORD dialogId) {
  CString id;
  id.Format("ID=0x%08lx", static_cast<unsigned long>(dialogId));
  return CString("WindowPositions\\") + id;
}

int VisibleListWidth(const CListCtrl& list) {
  RECT client = {};
  if (list.IsWindow()) list.GetClientRect(&client);
  return (client.right - client.left) - GetSystemMetrics(SM_CXVSCROLL);
}

int ScaledWidth(int width, double factor) {
  return static_cast<int>(static_cast<double>(width) * factor);
}

int ReadProfileWidth(const CString& section, const char* key, int defaultValue) {
  CWinApp* app = AfxGetApp();
  return app ? app->GetProfileInt(section, key, defaultValue) : defaultValue;
}

void WriteProfileWidth(const CString& section, const char* key, int value) {
  if (CWinApp* app = AfxGetApp()) app->WriteProfileInt(section, key, value);
}

void FillComboFromHistory(CComboBox& combo, const CStringArray& history) {
  for (int i = 0; i < history.GetSize(); ++i) combo.AddString(history.GetAt(i));
}

void CopyComboToHistory(const CComboBox* combo, CStringArray& history) {
  if (!combo || !combo->IsWindow()) return;
  history.RemoveAll();
  int count = combo->GetCount();
  for (int i = 0; i < count; ++i) {
    CString text;
    combo->GetLBText(i, text);
    history.Add(text);
  }
}
