#pragma once
// All tags of one tags file as the host's tag objects, with one host file
// object per source file. Tag file names become full paths (relative names
// start at the tags file's folder; '/' becomes '\'), each tag gets its parent
// name, its namespace and its parent tag, and the set can be read again (the
// F5 refresh).
//
// Made for trees of millions of tags: the file is read once, in blocks, by
// two threads (each its half of the lines); of each line only the texts the
// tags hand out are kept, in large blocks of text (TagsPart.h), and each tag
// is one small TagEntry in one array. A tag's other facts (kind, line:N, the
// pattern's anchors) stay in its TagEntry; EntryOf makes its tags-file line
// of them again when a jump needs it.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>
#include "host/tagstore/CtagsLine.h"
#include "host/tagstore/TagArray.h"
#include "host/tagstore/TextArena.h"
#include "host/addin/TagEntry.h"
#include "host/addin/TagNamespaces.h"

class TagsPart;

class TagSet {
 public:
  TagSet() = default;
  // The tags point into the set's texts and files.
  TagSet(const TagSet&) = delete;
  TagSet& operator=(const TagSet&) = delete;

  // Replaces the set with the tags of the file. False when the file cannot be
  // read, or its tags do not fit in this process's memory; the set is then empty.
  bool Load(const char* tagsPath);
  bool Reload() { return Load(m_path.c_str()); }
  void Clear();

  // In tags-file order.
  const std::vector<TagEntry*>& tags() const { return m_order; }
  // The tags-file line that a tag of this set came from (the fields the host
  // uses, escapes undone); none for any other tag.
  std::optional<CtagsEntry> EntryOf(const TagEntry* tag) const;
  CtagsEntry EntryAt(size_t index) const { return *EntryOf(m_order[index]); }
  // The tags-file lines of the tags of the same source file as the tag (its
  // own included), in tags-file order; empty for a tag not of this set.
  std::vector<CtagsEntry> EntriesOfFile(const TagEntry* tag) const;
  int invalidLines() const { return m_invalidLines; }
  int skippedKinds() const { return m_skippedKinds; }
  const std::string& path() const { return m_path; }
  // The last Load could read its file.
  bool loaded() const { return m_loaded; }
  // Why the last Load failed ("" when it did not).
  const std::string& failure() const { return m_failure; }

  // A tag with a search pattern reports line -1 until it is chosen; the line
  // for its jump is decided then (JumpLine.h). With byLine every tag reports
  // the tags file's line, always: the jump trusts the line numbers and does
  // not follow edits made since the tags were written.
  void SetJumpByLine(bool byLine);
  bool jumpByLine() const { return m_jumpByLine; }

  // Called now and then while a file is read: kilobytes read of the file's
  // kilobytes (a long load can show its progress), from the thread that called Load.
  void SetProgress(std::function<void(size_t done, size_t total)> progress) { m_progress = std::move(progress); }
  // Called once in each Load that reads its file, from the thread that
  // called Load, when every line is read: what is left is the making of the
  // tags, which keeps fewer threads busy.
  void SetLinesRead(std::function<void()> linesRead) { m_linesRead = std::move(linesRead); }

  // Adds the tags of lines already read; folder is where relative file names
  // start (with a trailing backslash, or empty). The tags of earlier calls
  // stay, but move: tags() holds them again.
  void AddLines(const std::vector<std::string>& lines, const std::string& folder);

  // The full path for a file name written in a tags file.
  static std::string ResolvePath(const std::string& file, const std::string& folder);

 private:
  bool ReadFile();
  // Makes the parts' tags this set's, after those it holds, and links them all.
  void Absorb(std::vector<TagsPart>& parts, const std::string& folder);
  // Files by a text of theirs that lives as long as the set's files.
  using FileNumbers = std::unordered_map<std::string_view, uint32_t>;
  // The set's number of each file of the part, new files added; the maps
  // hold the numbers of the names as written and of the full paths.
  std::vector<uint32_t> FilesOf(const TagsPart& part, const std::string& folder, FileNumbers& byWritten,
                                FileNumbers& byPath);
  void IndexFiles();
  void ApplyLines();
  size_t IndexOf(const TagEntry* tag) const;
  // The number of the tag's file in m_files; kNoFile for a file the set does not hold.
  uint32_t FileNumber(const TagEntry* tag) const;
  static constexpr uint32_t kNoFile = 0xFFFFFFFFu;

  std::string m_path;
  TagArray m_tags;                     // in tags-file order
  std::vector<TagEntry*> m_order;      // &m_tags[i]
  std::vector<FileEntry> m_files;
  std::vector<std::string_view> m_fileWritten;   // each file's name as first written, kept in m_fileNames
  TextArena m_fileNames;
  std::vector<uint32_t> m_byFile;      // tag positions grouped by file, in file order within
  std::vector<uint32_t> m_fileStart;   // m_byFile[m_fileStart[f] .. m_fileStart[f + 1]) are file f's
  TextArena m_texts;                   // the tags' texts
  TextArena m_namespaces;              // the namespace tags' qualified names
  TagNamespaces m_namespaceTable;      // of those names; the set's files point here
  int m_invalidLines = 0;
  int m_skippedKinds = 0;
  bool m_jumpByLine = false;
  bool m_loaded = false;
  std::string m_failure;
  std::function<void(size_t, size_t)> m_progress;
  std::function<void()> m_linesRead;
};
