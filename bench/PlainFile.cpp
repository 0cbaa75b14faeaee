#include "bench/PlainFile.h"

#include <windows.h>
#include <cstdlib>

namespace bench {

bool WritePlainFile(const char* path, const std::vector<unsigned char>& bytes) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
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
