#pragma once
#include "fw/String.h"

// Moves the file at path (closed) out of the way, under the first free name
// of the series path + ".old", ".old.1", ".old.2", ... ".old.999". Nothing is
// ever deleted or replaced: when no name of the series can be used (all
// taken, or too long for the platform), the file stays where it is.
void SetAsideBadFile(const CString& path);
