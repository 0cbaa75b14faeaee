#pragma once
#include "fw/String.h"

// Puts length bytes at path without ever leaving a partial file there: they
// go to a new temporary file in the same folder, are flushed to the disk, and
// the temporary then takes the place of path (with the move written through).
// The new file keeps the old one's hidden, system, not-indexed and temporary
// flags, its creation time and its access list where the platform keeps
// them; through a link, the file the link leads to is replaced and the link
// stays. True when the bytes are at path. False, with nothing changed, when
// they cannot be put there: path is a folder, a read-only file or one whose
// access list refuses writing or deleting, in a folder that is missing or
// cannot take a new file, a name the platform rejects or cannot reach, or a
// file held open without sharing. A write or flush that fails raises
// CFileException once the temporary is gone; path is untouched.
bool ReplaceFileSafely(const CString& path, const unsigned char* bytes, unsigned length);
