#include "host/tagstore/TagSet.h"
#include <atomic>
#include <exception>
#include <functional>
#include <new>
#include <type_traits>
#include <unordered_map>
#include "fw/Exceptions.h"
#include "host/tagstore/InParallel.h"
#include "host/tagstore/TagKind.h"
#include "host/tagstore/TagLinks.h"
#include "host/tagstore/TagsFile.h"
#include "host/tagstore/TagsPart.h"
#include "host/tagstore/TextScan.h"

// A tag costs its texts and this much: a host of a million tags has no room to spare.
static_assert(sizeof(TagEntry) == (sizeof(void*) == 8 ? 40 : 28), "TagEntry grew");
static_assert(std::is_trivially_destructible<TagEntry>::value, "a TagArray never destroys its tags");

namespace {

// From a file of this size on, a second thread reads the second half of its
// lines while this one reads the first: parsing is most of a large file's
// load, and each line stands alone.
constexpr uint64_t kBytesWorthAHelper = uint64_t{1} << 20;

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The kilobytes of a byte count, for progress figures that fit any size_t.
size_t Kilobytes(uint64_t bytes) { return static_cast<size_t>((bytes + 1023) / 1024); }

}  // namespace

std::string TagSet::ResolvePath(const std::string& file, const std::string& folder) {
  std::string name = file;
  for (char& ch : name) {
    if (ch == '/') ch = '\\';
  }
  bool absolute = (name.size() > 1 && name[1] == ':') || name.compare(0, 2, "\\\\") == 0;
  if (absolute) return name;
  // A Linux absolute path: Wine shows the root file system as drive Z:.
  if (!name.empty() && name[0] == '\\') return "Z:" + name;
  while (name.compare(0, 2, ".\\") == 0) name.erase(0, 2);
  return folder + name;
}

void TagSet::Clear() {
  // Swapped out, not cleared: the memory goes back before the next load.
  m_tags = TagArray();
  std::vector<TagEntry*>().swap(m_order);
  std::vector<FileEntry>().swap(m_files);
  std::vector<std::string_view>().swap(m_fileWritten);
  m_fileNames.Clear();
  std::vector<uint32_t>().swap(m_byFile);
  std::vector<uint32_t>().swap(m_fileStart);
  m_texts.Clear();
  m_namespaces.Clear();
  m_namespaceTable.Set({});
  m_invalidLines = 0;
  m_skippedKinds = 0;
}

bool TagSet::Load(const char* tagsPath) {
  std::string path = tagsPath ? tagsPath : "";
  Clear();
  m_path = path;
  m_failure.clear();
  try {
    m_loaded = ReadFile();
  } catch (const std::bad_alloc&) {
    m_loaded = false;
    m_failure = "its tags do not fit in this process's memory";
  } catch (CMemoryException* e) {
    e->Delete();
    m_loaded = false;
    m_failure = "its tags do not fit in this process's memory";
  }
  if (!m_loaded) Clear();
  return m_loaded;
}

bool TagSet::ReadFile() {
  TagsFile file;
  if (!file.Open(m_path.c_str())) {
    m_failure = "cannot be opened";
    return false;
  }
  const uint64_t size = file.size();
  uint64_t middle = size;
  if (size >= kBytesWorthAHelper && !file.LineStartFrom(size / 2, middle)) {
    m_failure = "cannot be read";
    return false;
  }
  // Both halves go at about the same pace; the first reports for both.
  std::vector<TagsPart> parts(middle < size ? 2 : 1);
  std::atomic<uint64_t> bytesRead(0);
  auto report = [&] {
    if (m_progress) m_progress(Kilobytes(bytesRead), Kilobytes(size));
  };
  bool read[2] = {true, true};
  InParallel(parts.size(), [&](size_t part) {
    read[part] = part == 0 ? file.ReadLines(0, middle, parts[0], bytesRead, report)
                           : file.ReadLines(middle, size, parts[1], bytesRead, nullptr);
  });
  if (!read[0] || !read[1]) {
    m_failure = "cannot be read to its end";
    return false;
  }
  if (m_linesRead) m_linesRead();
  Absorb(parts, FolderOf(m_path));
  if (m_progress) m_progress(Kilobytes(size), Kilobytes(size));
  return true;
}

void TagSet::AddLines(const std::vector<std::string>& lines, const std::string& folder) {
  std::vector<TagsPart> parts(1);
  for (const std::string& line : lines) parts[0].AddLine(line);
  Absorb(parts, folder);
}

std::vector<uint32_t> TagSet::FilesOf(const TagsPart& part, const std::string& folder, FileNumbers& byWritten,
                                      FileNumbers& byPath) {
  std::vector<uint32_t> numbers;
  numbers.reserve(part.files.size());
  for (std::string_view written : part.files) {
    // Each name as written is resolved once; names written differently that
    // resolve to one path share its file.
    auto known = byWritten.find(written);
    if (known != byWritten.end()) {
      numbers.push_back(known->second);
      continue;
    }
    std::string_view kept(m_fileNames.Copy(written.data(), written.size()), written.size());
    std::string fullPath = ResolvePath(std::string(written), folder);
    auto same = byPath.find(fullPath);
    if (same != byPath.end()) {
      numbers.push_back(byWritten[kept] = same->second);
      continue;
    }
    std::string pathText = fullPath.compare(0, folder.size(), folder) == 0 ? fullPath.substr(folder.size()) : fullPath;
    std::string name = fullPath.substr(fullPath.find_last_of('\\') + 1);
    size_t dot = name.rfind('.');
    // A leading dot (".profile") names the file; it does not start an extension.
    std::string bare = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    std::string extension = dot == std::string::npos || dot == 0 ? std::string() : name.substr(dot + 1);
    uint32_t number = static_cast<uint32_t>(m_files.size());
    m_files.emplace_back(bare.c_str(), extension.c_str(), pathText.c_str(), fullPath.c_str());
    m_fileWritten.push_back(kept);
    // The file's own text of its path: it stays where it is when m_files grows.
    byPath.emplace(std::string_view(m_files.back().FullPath(), fullPath.size()), number);
    byWritten.emplace(kept, number);
    numbers.push_back(number);
  }
  return numbers;
}

void TagSet::Absorb(std::vector<TagsPart>& parts, const std::string& folder) {
  // The files: those the set has, then the parts' new ones in the order they appear.
  std::vector<uint32_t> heldFiles;
  for (const TagEntry& tag : m_tags) heldFiles.push_back(FileNumber(&tag));
  FileNumbers byWritten, byPath;
  for (uint32_t f = 0; f < m_files.size(); ++f) {
    byWritten.emplace(m_fileWritten[f], f);
    byPath.emplace(m_files[f].FullPath(), f);
  }
  std::vector<std::vector<uint32_t>> fileNumbers;
  for (const TagsPart& part : parts) fileNumbers.push_back(FilesOf(part, folder, byWritten, byPath));

  // The tags held first (their parents are distances: they stay right), then
  // each part's, made by a thread of its own, which notes what the links need.
  std::vector<size_t> firstOf(parts.size() + 1, m_tags.size());
  for (size_t p = 0; p < parts.size(); ++p) firstOf[p + 1] = firstOf[p] + parts[p].tags.size();
  TagArray tags(firstOf.back());
  std::vector<std::vector<uint32_t>> scoped(parts.size() + 1), namespaceTags(parts.size() + 1);
  bool sorted = true;
  for (size_t i = 0; i < m_tags.size(); ++i) {
    TagEntry& tag = tags.Make(i, m_tags[i]);
    if (heldFiles[i] != kNoFile) tag.SetFile(&m_files[heldFiles[i]]);
    if (*tag.Scope()) scoped[0].push_back(static_cast<uint32_t>(i));
    if (tag.TypeCode() == TagNSpace) namespaceTags[0].push_back(static_cast<uint32_t>(i));
    sorted = sorted && (i == 0 || CompareTexts(tags[i - 1].Name(), tag.Name()) <= 0);
  }
  const int namespaceScope = ScopeKindNumber("namespace");
  InParallel(parts.size(), [&](size_t p) {
    size_t at = firstOf[p];
    for (const PartTag& made : parts[p].tags) {
      TagEntry& tag = tags.Make(at, made.texts, &m_files[fileNumbers[p][made.file]], made.typeCode, made.line);
      tag.SetPatternAnchors(made.fromLineStart, made.toLineEnd);
      tag.SetKindNumbers(made.kind, made.scopeKind);
      tag.SetScopeIsNamespace(made.scopeKind == namespaceScope);
      if (made.hasSearchString && !m_jumpByLine) tag.SetJumpLine(-1);
      if (made.hasScope) scoped[p + 1].push_back(static_cast<uint32_t>(at));
      if (made.typeCode == TagNSpace) namespaceTags[p + 1].push_back(static_cast<uint32_t>(at));
      ++at;
    }
    std::vector<PartTag>().swap(parts[p].tags);
  });
  // Sorted as a whole: each piece sorted, and each one's first name after the last before it.
  for (size_t p = 0; p < parts.size(); ++p) {
    sorted = sorted && parts[p].sortedByName;
    size_t first = firstOf[p];
    if (sorted && first > 0 && first < firstOf[p + 1])
      sorted = CompareTexts(tags[first - 1].Name(), tags[first].Name()) <= 0;
  }
  m_tags = std::move(tags);
  for (TagsPart& part : parts) {
    m_texts.Absorb(std::move(part.texts));
    m_invalidLines += part.invalidLines;
    m_skippedKinds += part.skippedKinds;
  }
  m_order.resize(m_tags.size());
  for (size_t i = 0; i < m_tags.size(); ++i) m_order[i] = &m_tags[i];
  IndexFiles();
  for (size_t p = 1; p < scoped.size(); ++p) {
    scoped[0].insert(scoped[0].end(), scoped[p].begin(), scoped[p].end());
    namespaceTags[0].insert(namespaceTags[0].end(), namespaceTags[p].begin(), namespaceTags[p].end());
  }
  m_namespaces.Clear();
  LinkTags(m_tags, TagsByFile{m_byFile, m_fileStart, m_files.data()}, TagsToLink{scoped[0], namespaceTags[0], sorted},
           m_namespaces, m_namespaceTable);
  for (FileEntry& file : m_files) file.SetTagNamespaces(&m_namespaceTable);
}

uint32_t TagSet::FileNumber(const TagEntry* tag) const {
  const FileEntry* file = tag->File();
  const FileEntry* first = m_files.data();
  if (!file || std::less<const FileEntry*>()(file, first) || !std::less<const FileEntry*>()(file, first + m_files.size()))
    return kNoFile;
  return static_cast<uint32_t>(file - first);
}

void TagSet::IndexFiles() {
  // Counted out by file: each file's tags in tags-file order (a tag given a
  // file of its own by hand is in none).
  m_fileStart.assign(m_files.size() + 1, 0);
  for (const TagEntry& tag : m_tags) {
    uint32_t file = FileNumber(&tag);
    if (file != kNoFile) ++m_fileStart[file + 1];
  }
  for (size_t f = 0; f < m_files.size(); ++f) m_fileStart[f + 1] += m_fileStart[f];
  std::vector<uint32_t> next(m_fileStart.begin(), m_fileStart.end() - 1);
  m_byFile.resize(m_fileStart.back());
  for (size_t i = 0; i < m_tags.size(); ++i) {
    uint32_t file = FileNumber(&m_tags[i]);
    if (file != kNoFile) m_byFile[next[file]++] = static_cast<uint32_t>(i);
  }
}

size_t TagSet::IndexOf(const TagEntry* tag) const {
  const TagEntry* first = m_tags.data();
  if (!tag || std::less<const TagEntry*>()(tag, first) || !std::less<const TagEntry*>()(tag, first + m_tags.size()))
    return static_cast<size_t>(-1);
  return static_cast<size_t>(tag - first);
}

std::optional<CtagsEntry> TagSet::EntryOf(const TagEntry* tag) const {
  if (IndexOf(tag) == static_cast<size_t>(-1)) return std::nullopt;
  CtagsEntry entry;
  entry.name = tag->Name();
  uint32_t file = FileNumber(tag);
  if (file != kNoFile) entry.file = std::string(m_fileWritten[file]);
  entry.searchString = tag->SearchString();
  entry.patternFromLineStart = tag->PatternFromLineStart();
  entry.patternToLineEnd = tag->PatternToLineEnd();
  entry.line = tag->TagsLine();
  entry.kind = CtagsKindName(tag->KindNumber());
  entry.typeCode = TagTypeOfKindNumber(tag->KindNumber());
  entry.scopeKind = ScopeKindName(tag->ScopeKindNumber());
  entry.scope = tag->Scope();
  return entry;
}

std::vector<CtagsEntry> TagSet::EntriesOfFile(const TagEntry* tag) const {
  std::vector<CtagsEntry> entries;
  if (IndexOf(tag) == static_cast<size_t>(-1)) return entries;
  uint32_t file = FileNumber(tag);
  if (file == kNoFile) return entries;
  entries.reserve(m_fileStart[file + 1] - m_fileStart[file]);
  for (uint32_t at = m_fileStart[file]; at < m_fileStart[file + 1]; ++at) entries.push_back(EntryAt(m_byFile[at]));
  return entries;
}

void TagSet::SetJumpByLine(bool byLine) {
  m_jumpByLine = byLine;
  ApplyLines();
}

void TagSet::ApplyLines() {
  for (TagEntry& tag : m_tags) tag.SetJumpLine(m_jumpByLine || !*tag.SearchString() ? tag.TagsLine() : -1);
}
