#pragma once
// The floor of file input and output: one CreateFile, one WriteFile or
// ReadFile of the whole buffer, one CloseHandle.
#include <vector>

namespace bench {

bool WritePlainFile(const char* path, const std::vector<unsigned char>& bytes);
// The crash-safe way to the same end: the bytes copied into fresh memory (as
// an image built for the write is), written through the one handle that
// created a new temporary file beside path, flushed to the disk, and moved
// over path with the move written through.
bool WriteThroughTemporary(const char* path, const std::vector<unsigned char>& bytes);
// Reads the whole file into a buffer allocated for it; returns the bytes read.
unsigned ReadPlainFile(const char* path);
// The file's content (for copying what the module wrote).
std::vector<unsigned char> FileBytes(const char* path);

}  // namespace bench
