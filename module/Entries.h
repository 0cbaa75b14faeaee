#pragma once
// The module's entries, as the operation table hands them to the host: plain
// functions whose caller removes the arguments; a boolean is one byte.
#include <windows.h>
#include "fw/String.h"

class CWnd;
class FileHistoryCombo;
class FileListCtrl;
class TagHistoryCombo;
class TagListCtrl;
class HostFileCollection;
class HostTag;
struct ExtraFileList;

void Reserved0(DWORD ignored);                                           // slot 0
bool InitFileDialog(CWnd* dialog, DWORD dialogId, FileHistoryCombo** combo, FileListCtrl** list,
                    HostFileCollection** collectionLocation, DWORD** indexArrayLocation);  // 1
bool CloseFileDialog();                                                  // 2
void AddFileHistory(const CString& text);                                // 3
bool InitTagDialog(CWnd* dialog, DWORD dialogId, TagHistoryCombo** parentCombo,
                   TagHistoryCombo** tagCombo, TagListCtrl** list, HostTag*** tagArrayLocation);  // 5
void AddTagHistory(const CString& text);                                 // 6
void AddTagParentHistory(const CString& text);                           // 7
bool CloseTagDialog();                                                   // 8
bool LoadExtraFiles(bool synchronise);                                   // 9
bool SaveExtraFiles();                                                   // 10
void GetExtraFiles(ExtraFileList* hostList);                             // 11
void SetExtraFiles(ExtraFileList* hostList);                             // 12
HostTag* GetLastTag();                                                   // 13
bool GoToTag(HostTag* tag);                                              // 14
