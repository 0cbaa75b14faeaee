#include "host/app/WorkspaceListing.h"
#include <windows.h>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

const char kFirstLine[] = "zorvoreg-host workspace listing 1";

// The number written as count hex digits, nothing else (no sign, no space).
bool ReadHex(const char* digits, size_t count, uint64_t& value) {
  value = 0;
  for (size_t i = 0; i < count; ++i) {
    const char c = digits[i];
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) return false;
    value = value << 4 | static_cast<uint64_t>(digit);
  }
  return true;
}

// A name that a line can hold as it is.
bool FitsALine(const std::string& name) { return name.find_first_of("\r\n") == std::string::npos; }

}  // namespace

std::string WorkspaceListing::PathFor(const std::string& profile) {
  size_t slash = profile.find_last_of("\\/");
  size_t dot = profile.rfind('.');
  std::string stem = dot != std::string::npos && (slash == std::string::npos || dot > slash) ? profile.substr(0, dot)
                                                                                                : profile;
  return stem + ".listing";
}

bool WorkspaceListing::Read(const std::string& path, const std::string& workspace) {
  m_folders.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  if (!std::getline(in, line) || line != kFirstLine) return false;
  if (!std::getline(in, line) || line != "W " + workspace) return false;
  std::unordered_map<std::string, Folder> folders;
  Folder* folder = nullptr;
  bool whole = false;
  while (std::getline(in, line)) {
    if (whole) return false;
    if (line.compare(0, 4, "end ") == 0) {
      if (line != "end " + std::to_string(folders.size())) return false;
      whole = true;
      continue;
    }
    if (line.size() < 2 || line[1] != ' ') return false;
    std::string text = line.substr(2);
    switch (line[0]) {
      case 'D': {
        // "D " + 16 hex digits + " " + the relative path (empty for the workspace itself).
        uint64_t written = 0;
        if (text.size() < 17 || text[16] != ' ' || !ReadHex(text.data(), 16, written)) return false;
        folder = &folders[text.substr(17)];
        folder->written = written;
        break;
      }
      case 'F':
      case 'S':
        if (!folder) return false;
        (line[0] == 'F' ? folder->files : folder->folders).push_back(text);
        break;
      default:
        return false;
    }
  }
  if (!whole) return false;
  m_folders.swap(folders);
  return true;
}

bool WorkspaceListing::Write(const std::string& path, const std::string& workspace) const {
  std::ostringstream out;
  out << kFirstLine << "\nW " << workspace << "\n";
  for (const auto& kept : m_folders) {
    char written[17];
    std::snprintf(written, sizeof(written), "%016llx", static_cast<unsigned long long>(kept.second.written));
    out << "D " << written << " " << kept.first << "\n";
    for (const std::string& name : kept.second.files) out << "F " << name << "\n";
    for (const std::string& name : kept.second.folders) out << "S " << name << "\n";
  }
  out << "end " << m_folders.size() << "\n";
  // Written beside and moved into place: a reader never meets half a file.
  const std::string fresh = path + ".new";
  {
    std::ofstream file(fresh, std::ios::binary | std::ios::trunc);
    const std::string text = out.str();
    if (!file.write(text.data(), static_cast<std::streamsize>(text.size())) || !file.flush()) return false;
  }
  if (MoveFileExA(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  DeleteFileA(fresh.c_str());
  return false;
}

const WorkspaceListing::Folder* WorkspaceListing::Find(const std::string& relative) const {
  auto kept = m_folders.find(relative);
  return kept == m_folders.end() || kept->second.written == 0 ? nullptr : &kept->second;
}

void WorkspaceListing::Add(const std::string& relative, Folder folder) {
  // A folder whose names a line cannot hold is listed again each time.
  if (!FitsALine(relative)) return;
  bool fits = true;
  for (const std::string& name : folder.files) fits = fits && FitsALine(name);
  for (const std::string& name : folder.folders) fits = fits && FitsALine(name);
  if (!fits) folder = Folder();
  m_folders[relative] = std::move(folder);
}
