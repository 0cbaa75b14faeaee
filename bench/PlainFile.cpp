#include "bench/PlainFile.h"

#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

bool WritePlainFile(const char* path, const std::vector<unsigned char>& bytes) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

bool WriteThroughTemporary(const char* path, const std::vector<unsigned char>& bytes) {
  unsigned char* image = static_cast<unsigned char*>(malloc(bytes.empty() ? 1 : bytes.size()));
  if (image == nullptr) return false;
  memcpy(image, bytes.data(), bytes.size());
  char folder[MAX_PATH];
  char* name = nullptr;
  if (GetFullPathNameA(path, MAX_PATH, folder, &name) == 0 || name == nullptr) {
    free(image);
    return false;
  }
  *name = '\0';
  // One handle claims the temporary's name and takes the bytes, as in a save.
  static unsigned serial = 0;
  char temporary[MAX_PATH + 16];
  snprintf(temporary, sizeof temporary, "%sbnc%04X.tmp", folder, ++serial & 0xFFFFu);
  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    free(image);
    return false;
  }
  DWORD written = 0;
  bool ok = WriteFile(file, image, static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  // The bytes on the disk before the name, and the move on the disk before it reports success.
  ok = ok && FlushFileBuffers(file);
  CloseHandle(file);
  ok = ok && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileA(temporary);
  free(image);
  return ok;
}

unsigned ReadPlainFile(const char* path) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  DWORD size = GetFileSize(file, nullptr);
  void* buffer = malloc(size ? size : 1);
  DWORD read = 0;
  if (buffer) ReadFile(file, buffer, size, &read, nullptr);
  free(buffer);
  CloseHandle(file);
  return read;
}

std::vector<unsigned char> FileBytes(const char* path) {
  std::vector<unsigned char> bytes;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  bytes.resize(GetFileSize(file, nullptr));
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  CloseHandle(file);
  return bytes;
}

}  // namespace bench
