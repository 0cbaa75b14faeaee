// dump, check and write: extra-files files read and written by the module.
// dump and check load a copy of the file, because the module sets a file it
// does not accept aside (as FILE.old); the user's file is never moved.
#include <windows.h>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>
#include "host/tools/xf/XfHost.h"

namespace {

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A private copy in the temporary folder, removed (with its .old) on scope exit.
class TemporaryCopy {
 public:
  explicit TemporaryCopy(const std::string& source) : m_path(TemporaryPath("xf")) {
    m_copied = CopyFileA(source.c_str(), m_path.c_str(), FALSE) != FALSE;
    // A rejected copy goes to the first free name of FILE.old, FILE.old.1, ...:
    // a stale .old would send it further along, out of the destructor's reach.
    DeleteFileA((m_path + ".old").c_str());
  }
  ~TemporaryCopy() {
    DeleteFileA(m_path.c_str());
    DeleteFileA((m_path + ".old").c_str());
  }
  bool copied() const { return m_copied; }
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
  bool m_copied = false;
};

// Loads a copy of file; false (with a message) when the module rejects it.
bool LoadCopy(XfHost& host, const std::string& file) {
  if (!FileExists(file)) {
    std::printf("%s: no such file\n", file.c_str());
    return false;
  }
  TemporaryCopy copy(file);
  if (!copy.copied()) {
    std::printf("%s: cannot be read\n", file.c_str());
    return false;
  }
  host.SetPath(copy.path());
  if (!host.files().Load(false)) {
    std::printf("%s: rejected (not an extra-files file)\n", file.c_str());
    return false;
  }
  return true;
}

}  // namespace

int XfDump(XfHost& host, const std::string& file) {
  if (!LoadCopy(host, file)) return 1;
  for (const HostExtraFileEntry& entry : host.files().Entries()) {
    std::printf("%s %s\n", ExtraFilesController::FlagDigits(entry.flags).c_str(),
                static_cast<const char*>(entry.name));
  }
  return 0;
}

int XfCheck(XfHost& host, const std::string& file) {
  if (!LoadCopy(host, file)) return 1;
  std::printf("%s: accepted, %u entries\n", file.c_str(),
              static_cast<unsigned>(host.files().Entries().size()));
  return 0;
}

int XfWrite(XfHost& host, const std::string& file) {
  // Every line first, so that a bad line writes nothing.
  std::vector<std::pair<unsigned char, std::string>> entries;
  std::string line;
  int number = 0;
  while (std::getline(std::cin, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    unsigned char flags = 0;
    bool named = line.size() == 2 || (line.size() > 2 && line[2] == ' ');
    if (!named || !ExtraFilesController::ParseFlagDigits(line.substr(0, 2), flags)) {
      std::fprintf(stderr, "line %d: expected two flag digits (bit 0, bit 1), a space and the name\n", number);
      return 2;
    }
    entries.emplace_back(flags, line.size() > 3 ? line.substr(3) : std::string());
  }
  host.files().Clear();
  for (const auto& entry : entries) host.files().Add(entry.second, entry.first);
  host.SetPath(file);
  // The module answers false when nothing reached the file; an existing file
  // is then as it was.
  if (!host.files().Save()) {
    std::printf("%s: cannot be written\n", file.c_str());
    return 1;
  }
  std::printf("%s: %u entries written\n", file.c_str(), static_cast<unsigned>(entries.size()));
  return 0;
}
