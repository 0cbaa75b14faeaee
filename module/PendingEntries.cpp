// Entries whose subsystem is not built yet: each does nothing and never
// reports success. A subsystem removes its entries from here as it lands.
#include "module/Entries.h"

bool InitFileDialog(CWnd*, DWORD, FileHistoryCombo**, FileListCtrl**, HostFileCollection**, DWORD**) { return false; }
bool CloseFileDialog() { return false; }
void AddFileHistory(const CString&) {}
bool InitTagDialog(CWnd*, DWORD, TagHistoryCombo**, TagHistoryCombo**, TagListCtrl**, HostTag***) { return false; }
void AddTagHistory(const CString&) {}
void AddTagParentHistory(const CString&) {}
bool CloseTagDialog() { return false; }
