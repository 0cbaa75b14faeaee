#include "host/app/WorkspaceScan.h"
#include <windows.h>
#include <iterator>
#include "host/tagstore/InParallel.h"

namespace {

// Files that are the host's own or a build's, not sources of the workspace.
bool IsSkippedName(const std::string& name) {
  return name.empty() || name[0] == '.' || name.compare(0, 6, "build-") == 0 || name == "build";
}

class Scan {
 public:
  Scan(const std::string& folder, const std::vector<std::string>& skip, std::atomic<size_t>& found)
      : m_folder(folder), m_found(found) {
    // The skipped files as names relative to the folder: no full path is made per file.
    const std::string prefix = folder + "\\";
    for (const std::string& path : skip) {
      if (path.compare(0, prefix.size(), prefix) == 0) m_skip.push_back(path.substr(prefix.size()));
    }
  }

  // Lists one folder: its files go to files; its subfolders are scanned in
  // turn, or handed back in folders when that is given.
  void List(const std::string& relativeFolder, std::vector<std::string>& files, std::vector<std::string>* folders,
            const std::function<void()>& tick) {
    std::string pattern = m_folder + "\\" + (relativeFolder.empty() ? "*" : relativeFolder + "\\*");
    WIN32_FIND_DATAA entry;
    // Names as they are (no short 8.3 names), fetched in large batches.
    HANDLE search = FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return;
    std::vector<std::string> subfolders;
    do {
      std::string name = entry.cFileName;
      if (IsSkippedName(name)) continue;
      std::string relative = relativeFolder.empty() ? name : relativeFolder + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        subfolders.push_back(std::move(relative));
      } else if (!Skipped(relative)) {
        files.push_back(std::move(relative));
        ++m_found;
        if (tick) tick();
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    if (folders) {
      *folders = std::move(subfolders);
      return;
    }
    for (const std::string& folder : subfolders) List(folder, files, nullptr, tick);
  }

 private:
  bool Skipped(const std::string& relative) const {
    for (const std::string& skip : m_skip) {
      if (relative == skip) return true;
    }
    return false;
  }

  const std::string& m_folder;
  std::atomic<size_t>& m_found;
  std::vector<std::string> m_skip;
};

}  // namespace

std::vector<std::string> ScanWorkspace(const std::string& folder, const std::vector<std::string>& skip,
                                       std::atomic<size_t>& found, const std::function<void()>& tick) {
  Scan scan(folder, skip, found);
  std::vector<std::string> files, top;
  scan.List("", files, &top, tick);
  // Each top folder's files apart, taken in turn by two threads, then one
  // after the other in the folders' order.
  std::vector<std::vector<std::string>> below(top.size());
  std::atomic<size_t> next(0);
  InParallel(top.size() > 1 ? 2 : 1, [&](size_t piece) {
    for (size_t at; (at = next++) < top.size();) scan.List(top[at], below[at], nullptr, piece == 0 ? tick : nullptr);
  });
  for (std::vector<std::string>& part : below) {
    files.insert(files.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
  }
  return files;
}
