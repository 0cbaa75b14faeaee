#include "module/OperationTable.h"

void Reserved0(DWORD) {}

void FillOperationTable(OperationTable& table) {
  table.reserved0 = &Reserved0;
  table.initFileDialog = &InitFileDialog;
  table.closeFileDialog = &CloseFileDialog;
  table.addFileHistory = &AddFileHistory;
  // Slot 4 is reserved and left as it is.
  table.initTagDialog = &InitTagDialog;
  table.addTagHistory = &AddTagHistory;
  table.addTagParentHistory = &AddTagParentHistory;
  table.closeTagDialog = &CloseTagDialog;
  table.loadExtraFiles = &LoadExtraFiles;
  table.saveExtraFiles = &SaveExtraFiles;
  table.getExtraFiles = &GetExtraFiles;
  table.setExtraFiles = &SetExtraFiles;
  table.getLastTag = &GetLastTag;
  table.goToTag = &GoToTag;
}
