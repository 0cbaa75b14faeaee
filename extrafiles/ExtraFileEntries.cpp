// Operation-table entries that copy the extra-files list to and from a list of the host's.
#include "extrafiles/ExtraFileList.h"
#include "module/Entries.h"
#include "module/ModuleState.h"

void GetExtraFiles(ExtraFileList* hostList) {
  ClearExtraFiles(*hostList);
  for (const ExtraFileNode* node = g_extraFiles.head; node; node = node->next)
    AppendExtraFile(*hostList, node->record);
}

void SetExtraFiles(ExtraFileList* hostList) {
  ClearExtraFiles(g_extraFiles);
  // Only head, each next and each record of the host's list are read.
  for (const ExtraFileNode* node = hostList->head; node; node = node->next)
    AppendExtraFile(g_extraFiles, node->record);
}
