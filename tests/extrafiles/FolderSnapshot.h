#pragma once
// Whole-folder helpers that see names of any length: they go through the wide
// file API with "\\?\" names, so a file the module left at a path too long for
// the ANSI API still shows (and is still removed).
#include <string>
#include <vector>

// Every entry under folder, one line each in name order: the relative name,
// the attributes and, for a file, its bytes in hex. Two snapshots are equal
// exactly when nothing was added, removed, renamed, rewritten or re-flagged.
std::string Snapshot(const std::string& folder);

// Names of the entries of folder (without "." and ".."), in name order.
std::vector<std::string> FolderEntries(const char* folder);
// Removes folder with everything in it, read-only entries included.
void RemoveTree(const char* folder);

// Creates folder and any missing folder above it; false when one cannot be made.
bool CreateFolders(const std::string& folder);
// Writes bytes to a new or truncated file; false when it cannot be written.
bool WriteLongPath(const std::string& file, const std::string& bytes);
// The bytes of a file, "" when it cannot be read.
std::string ReadLongPath(const std::string& file);
