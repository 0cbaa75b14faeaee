#pragma once
// Whether a file is at a path, asked the way the extra-files entries open it:
// through the ANSI file API, with its path handling and its length limit.
// Loading and saving both ask here, so that a path one of them can use the
// other can use too, at every length.
#include <windows.h>

enum class Presence {
  absent,     // nothing at the path (no file, or no folder)
  present,    // something is there; see its attributes
  unusable,   // the platform cannot tell: a path too long, a name it rejects, ...
};

struct FilePresence {
  Presence presence;
  DWORD attributes;   // when present
  DWORD error;        // when unusable: the system's reason
};

FilePresence ProbeFile(const char* path);
