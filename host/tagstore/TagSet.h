#pragma once
// All tags of one tags file as the host's tag objects, with one host file
// object per source file. Tag file names become full paths (relative names
// start at the tags file's folder; '/' becomes '\'), each tag gets its parent
// name, its namespace and its parent tag, and the set can be read again (the
// F5 refresh).
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>
#include "host/tagstore/CtagsLine.h"
#include "host/addin/TagEntry.h"

class TagSet {
 public:
  // Replaces the set with the tags of the file. False when the file cannot be
  // read (the set is then empty).
  bool Load(const char* tagsPath);
  bool Reload() { return Load(m_path.c_str()); }
  void Clear();

  // In tags-file order; entries()[i] is the line that tags()[i] came from.
  const std::vector<TagEntry*>& tags() const { return m_order; }
  const std::vector<CtagsEntry>& entries() const { return m_entries; }
  // The tags-file line a tag of this set came from; null for any other tag.
  const CtagsEntry* EntryOf(const TagEntry* tag) const;
  // The tags-file lines of the tags of the same source file as the tag (its
  // own included), in tags-file order; empty for a tag not of this set.
  std::vector<const CtagsEntry*> EntriesOfFile(const TagEntry* tag) const;
  int invalidLines() const { return m_invalidLines; }
  int skippedKinds() const { return m_skippedKinds; }
  const std::string& path() const { return m_path; }
  // The last Load could read its file.
  bool loaded() const { return m_loaded; }

  // A tag with a search pattern reports line -1 until it is chosen; the line
  // for its jump is decided then (JumpLine.h). With byLine every tag reports
  // the tags file's line, always: the jump trusts the line numbers and does
  // not follow edits made since the tags were written.
  void SetJumpByLine(bool byLine);
  bool jumpByLine() const { return m_jumpByLine; }

  // Called now and then while the lines of a file become tags: steps done
  // of steps in all (a long load can show its progress).
  void SetProgress(std::function<void(size_t done, size_t total)> progress) { m_progress = std::move(progress); }

  // Adds the tags of lines already read (a large number of lines is parsed
  // on two threads); folder is where relative file names
  // start (with a trailing backslash, or empty).
  void AddLines(const std::vector<std::string>& lines, const std::string& folder);

  // The lines of a tags file as Load reads them: the whole file in one read,
  // split at each '\n' (a last line may lack its end). False when the file
  // cannot be opened.
  static bool ReadLines(const std::string& path, std::vector<std::string>& lines);

  // The full path for a file name written in a tags file.
  static std::string ResolvePath(const std::string& file, const std::string& folder);
  // The name with its scope ("a::B::c"), which a child's scope field names.
  static std::string QualifiedName(const CtagsEntry& entry);

 private:
  // The place in m_files of the file named as written in the tags file.
  size_t FileFor(const std::string& written, const std::string& folder);
  void Link();
  void ApplyLines();

  std::string m_path;
  std::vector<std::unique_ptr<FileEntry>> m_files;
  std::vector<CString> m_filePaths;   // full path of m_files[i]
  std::unordered_map<std::string, size_t> m_fileByWritten;   // file name as written to its place in m_files
  std::unordered_map<std::string, size_t> m_fileByPath;      // full path to its place in m_files
  std::vector<std::unique_ptr<TagEntry>> m_tags;
  std::vector<TagEntry*> m_order;
  std::vector<CtagsEntry> m_entries;
  std::unordered_map<const TagEntry*, size_t> m_index;   // position in m_order
  std::vector<size_t> m_fileOf;                 // place in m_files of m_order[i]'s file
  std::vector<std::vector<size_t>> m_byFile;    // positions in m_order of each file's tags
  int m_invalidLines = 0;
  int m_skippedKinds = 0;
  bool m_jumpByLine = false;
  bool m_loaded = false;
  std::function<void(size_t, size_t)> m_progress;
};
