#include "host/app/WorkspaceScan.h"
#include <windows.h>
#include <condition_variable>
#include <iterator>
#include <memory>
#include <mutex>
#include "host/tagstore/InParallel.h"

namespace {

// Files that are the host's own or a build's, not sources of the workspace.
bool IsSkippedName(const std::string& name) {
  return name.empty() || name[0] == '.' || name.compare(0, 6, "build-") == 0 || name == "build";
}

class Scan {
 public:
  Scan(const std::string& folder, const std::vector<std::string>& skip, std::atomic<size_t>& found,
       const WorkspaceListing* kept, const std::function<void()>& beforeListing)
      : m_folder(folder), m_found(found), m_kept(kept), m_beforeListing(beforeListing) {
    // The skipped files as names relative to the folder: no full path is made per file.
    const std::string prefix = folder + "\\";
    for (const std::string& path : skip) {
      if (path.compare(0, prefix.size(), prefix) == 0) m_skip.push_back(path.substr(prefix.size()));
    }
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    m_started = ToNumber(now);
  }

  // Lists one folder: its names to listed, its files to files, its subfolders to folders.
  void List(const std::string& relativeFolder, WorkspaceListing::Folder& listed, std::vector<std::string>& files,
            std::vector<std::string>& folders, const std::function<void()>& tick) {
    listed = Names(relativeFolder);
    const std::string prefix = relativeFolder.empty() ? std::string() : relativeFolder + "\\";
    for (const std::string& name : listed.files) {
      std::string relative = prefix + name;
      if (Skipped(relative)) continue;
      files.push_back(std::move(relative));
      ++m_found;
      if (tick) tick();
    }
    for (const std::string& name : listed.folders) folders.push_back(prefix + name);
  }

 private:
  static uint64_t ToNumber(const FILETIME& time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  }

  // The folder's names: the kept ones while its last-write time is the one
  // kept with them, else as the system lists them now.
  WorkspaceListing::Folder Names(const std::string& relativeFolder) {
    const std::string path = relativeFolder.empty() ? m_folder : m_folder + "\\" + relativeFolder;
    WorkspaceListing::Folder listed;
    // The time is read before the names: a change made meanwhile moves it past the one kept.
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes))
      listed.written = ToNumber(attributes.ftLastWriteTime);
    if (m_kept && listed.written) {
      const WorkspaceListing::Folder* kept = m_kept->Find(relativeFolder);
      if (kept && kept->written == listed.written) return *kept;
    }
    if (m_beforeListing) m_beforeListing();
    WIN32_FIND_DATAA entry;
    // Names as they are (no short 8.3 names), fetched in large batches.
    HANDLE search = FindFirstFileExA((path + "\\*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return WorkspaceListing::Folder();
    do {
      std::string name = entry.cFileName;
      if (IsSkippedName(name)) continue;
      (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? listed.folders : listed.files).push_back(std::move(name));
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    // Written too near the listing: a change in the same clock tick would keep the time.
    if (listed.written + WorkspaceListing::kUnsureWithin > m_started) listed.written = 0;
    return listed;
  }

  bool Skipped(const std::string& relative) const {
    for (const std::string& skip : m_skip) {
      if (relative == skip) return true;
    }
    return false;
  }

  const std::string& m_folder;
  std::atomic<size_t>& m_found;
  const WorkspaceListing* m_kept;
  const std::function<void()>& m_beforeListing;
  std::vector<std::string> m_skip;
  uint64_t m_started = 0;   // FILETIME the scan began
};

// The folders still to list, shared by the scanning threads. Each folder's
// files and subfolders stay in a tree, so that the files come out in the
// order one thread's scan finds them, whoever listed them.
class FolderQueue {
 public:
  struct Folder {
    std::string relative;
    WorkspaceListing::Folder listed;   // its names, as the listing keeps them
    std::vector<std::string> files;
    std::vector<std::unique_ptr<Folder>> subfolders;

    // Its names and those of the folders below it, for the next scan.
    void Keep(WorkspaceListing& listing) {
      listing.Add(relative, std::move(listed));
      for (std::unique_ptr<Folder>& below : subfolders) below->Keep(listing);
    }

    // Its own files, then each subfolder's in turn.
    void Flatten(std::vector<std::string>& into) {
      into.insert(into.end(), std::make_move_iterator(files.begin()), std::make_move_iterator(files.end()));
      for (std::unique_ptr<Folder>& below : subfolders) below->Flatten(into);
    }
  };

  Folder& root() { return m_root; }

  void Add(Folder* folder) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_waiting.push_back(folder);
  }

  // The next folder to list, or null once every folder is listed (or the scan stopped).
  Folder* Take() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_stopped || !m_waiting.empty() || m_listing == 0; });
    if (m_stopped || m_waiting.empty()) return nullptr;
    // The newest first: the tree is walked deep before wide, as one thread walks it.
    Folder* folder = m_waiting.back();
    m_waiting.pop_back();
    ++m_listing;
    return folder;
  }

  // The folder is listed: its subfolders wait their turn.
  void Done(Folder* folder, const std::vector<std::string>& subfolders) {
    for (const std::string& name : subfolders) {
      folder->subfolders.push_back(std::make_unique<Folder>());
      folder->subfolders.back()->relative = name;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto below = folder->subfolders.rbegin(); below != folder->subfolders.rend(); ++below)
      m_waiting.push_back(below->get());
    --m_listing;
    m_changed.notify_all();
  }

  // A thread failed: the others take no more folders.
  void Stop() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stopped = true;
    m_changed.notify_all();
  }

 private:
  Folder m_root;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<Folder*> m_waiting;
  size_t m_listing = 0;   // folders taken and not yet done
  bool m_stopped = false;
};

}  // namespace

std::vector<std::string> ScanWorkspace(const std::string& folder, const std::vector<std::string>& skip,
                                       std::atomic<size_t>& found, const std::function<void()>& tick,
                                       const WorkspaceListing* kept, WorkspaceListing* made,
                                       const std::function<void()>& beforeListing) {
  Scan scan(folder, skip, found, kept, beforeListing);
  std::vector<std::string> files;
  FolderQueue queue;
  queue.Add(&queue.root());
  // Every folder is one piece of work, taken by whichever thread is free:
  // no thread is left alone with a big folder at the end.
  InParallel(2, [&](size_t piece) {
    try {
      while (FolderQueue::Folder* next = queue.Take()) {
        std::vector<std::string> subfolders;
        scan.List(next->relative, next->listed, next->files, subfolders, piece == 0 ? tick : nullptr);
        queue.Done(next, subfolders);
      }
    } catch (...) {
      queue.Stop();
      throw;
    }
  });
  if (made) queue.root().Keep(*made);
  queue.root().Flatten(files);
  return files;
}
