#pragma once
#include "extrafiles/ExtraFileList.h"
#include "fw/File.h"

// Merges the list into the host's workspace: hands the entries marked for
// the workspace to the host as a temporary project file (path + ".vcproj",
// dated like the extra-files file, deleted straight after the host has read
// it), then sets the two flags of every workspace file the host finds.
// extraFile is the extra-files file, still open for reading.
void SynchroniseWorkspace(const ExtraFileList& list, const CString& path, const CFile& extraFile);
