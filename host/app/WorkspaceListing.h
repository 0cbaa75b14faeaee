#pragma once
// What the last scan of a workspace found, folder by folder, kept in a file
// beside the host's profile: each folder's names and its last-write time
// when it was listed. A folder's time changes whenever a name in it is
// added, removed or renamed, so a later scan lists again only the folders
// whose time moved and takes the others from here: on a tree of tens of
// thousands of files, reading each folder's time costs a few percent of
// listing it. A folder written shortly before or during its listing is kept
// without its time (a change in the same clock tick would go unseen), and is
// listed again next time.
//
// The file, one entry a line: "zorvoreg-host workspace listing 1", "W " and
// the workspace folder, then per folder "D " with its time (16 hex digits)
// and its path relative to the workspace, "F " and each file name, "S " and
// each subfolder name; last "end " and the number of folders. A file that
// is not whole or not of this workspace is not read at all.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class WorkspaceListing {
 public:
  struct Folder {
    uint64_t written = 0;               // FILETIME when listed; 0: list it again
    std::vector<std::string> files;     // names, in the order the system listed them
    std::vector<std::string> folders;   // subfolder names, likewise
  };

  // Changes written later than this before the listing are not trusted.
  static constexpr uint64_t kUnsureWithin = 2 * 10000000ull;   // 2 s in FILETIME units

  // The listing kept for the profile "X\name.ini": "X\name.listing".
  static std::string PathFor(const std::string& profile);

  // False, and empty, when the file is missing or unreadable, of another
  // workspace, or not whole.
  bool Read(const std::string& path, const std::string& workspace);
  bool Write(const std::string& path, const std::string& workspace) const;

  // The folder as it was listed, or null when it is not kept or has no time.
  const Folder* Find(const std::string& relative) const;
  void Add(const std::string& relative, Folder folder);
  size_t size() const { return m_folders.size(); }

 private:
  std::unordered_map<std::string, Folder> m_folders;
};
