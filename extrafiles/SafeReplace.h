#pragma once
#include "fw/String.h"

// Puts length bytes at path without ever leaving a partial file there: they
// go to a new temporary file in the same folder, which then takes the place
// of path (keeping the hidden, system, not-indexed and temporary flags of the
// file it replaces). True when the bytes are at path. False, with nothing
// changed, when they cannot be put there: path is a folder, a read-only file,
// in a folder that is missing or cannot take a new file, a name the platform
// rejects or cannot reach, or a file held open without sharing. A write that
// fails raises CFileException once the temporary is gone; path is untouched.
bool ReplaceFileSafely(const CString& path, const unsigned char* bytes, unsigned length);
