#include "tests/extrafiles/FolderSnapshot.h"
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <vector>
#include "host/ide/AnsiText.h"

namespace {

// The "\\?\" wide form of an absolute ANSI path: no length limit, no parsing.
std::wstring Long(const std::string& path) { return L"\\\\?\\" + AnsiToWide(path); }

std::string Narrow(const std::wstring& wide) {
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &narrow[0], length, nullptr, nullptr);
  return narrow;
}

void Describe(const std::string& folder, const std::string& prefix, std::string& out) {
  for (const std::string& name : FolderEntries(folder.c_str())) {
    const std::string full = folder + "\\" + name;
    const DWORD attributes = GetFileAttributesW(Long(full).c_str());
    char flags[32];
    std::snprintf(flags, sizeof flags, " [%08lx] ", static_cast<unsigned long>(attributes));
    out += prefix + name + flags;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      out += "folder\n";
      Describe(full, prefix + name + "\\", out);
      continue;
    }
    for (unsigned char byte : ReadLongPath(full)) {
      std::snprintf(flags, sizeof flags, "%02x", byte);
      out += flags;
    }
    out += '\n';
  }
}

}  // namespace

std::vector<std::string> FolderEntries(const char* folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((Long(folder) + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") names.push_back(Narrow(name));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

std::string Snapshot(const std::string& folder) {
  std::string out;
  Describe(folder, "", out);
  return out;
}

bool CreateFolders(const std::string& folder) {
  const DWORD attributes = GetFileAttributesW(Long(folder).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const size_t slash = folder.find_last_of('\\');
  if (slash != std::string::npos && slash > 2 && !CreateFolders(folder.substr(0, slash))) return false;
  return CreateDirectoryW(Long(folder).c_str(), nullptr) != 0;
}

bool WriteLongPath(const std::string& file, const std::string& bytes) {
  HANDLE handle = CreateFileW(Long(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(handle);
  return ok && written == bytes.size();
}

std::string ReadLongPath(const std::string& file) {
  std::string bytes;
  HANDLE handle = CreateFileW(Long(file).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(handle, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(handle);
  return bytes;
}

void RemoveTree(const char* folder) {
  for (const std::string& name : FolderEntries(folder)) {
    const std::string full = std::string(folder) + "\\" + name;
    const DWORD attributes = GetFileAttributesW(Long(full).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      RemoveTree(full.c_str());
    } else {
      SetFileAttributesW(Long(full).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(Long(full).c_str());
    }
  }
  RemoveDirectoryW(Long(folder).c_str());
}
