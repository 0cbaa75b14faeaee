#include "host/tagstore/TagSet.h"
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include "host/tagstore/TagKind.h"

namespace {

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The namespace part of a scope: its longest leading run of components that
// names a known namespace ("outer::inner" of "outer::inner::Widget").
std::string NamespacePart(const std::string& scope, const std::unordered_set<std::string>& namespaces) {
  std::string best;
  size_t pos = 0;
  while (true) {
    size_t sep = scope.find("::", pos);
    std::string prefix = sep == std::string::npos ? scope : scope.substr(0, sep);
    if (namespaces.count(prefix)) best = prefix;
    if (sep == std::string::npos) break;
    pos = sep + 2;
  }
  return best;
}

// From this many lines on, a helper thread parses the second half while this
// thread parses the first: parsing is most of a large file's load, and each
// line stands alone.
constexpr size_t kLinesWorthAHelper = 16384;

struct ParsedLine {
  CtagsLineResult result = CtagsLineResult::Comment;
  CtagsEntry entry;
};

// Parses lines [from, to); every 4096 lines calls progress with the lines done.
void ParseRange(const std::vector<std::string>& lines, size_t from, size_t to, std::vector<ParsedLine>& parsed,
                const std::function<void(size_t)>& progress) {
  for (size_t i = from; i < to; ++i) {
    if (progress && (i - from) % 4096 == 0) progress(i - from);
    parsed[i].result = ParseCtagsLine(lines[i], parsed[i].entry);
  }
}

// True when a scope tag on line `a` encloses a tag on `line` better than one
// on line `b`: one that starts above the tag beats one below it, the nearer
// the better.
bool Encloses(int a, int b, int line) {
  bool aAbove = a <= line, bAbove = b <= line;
  if (aAbove != bAbove) return aAbove;
  return aAbove ? a > b : a < b;
}

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

std::string TagSet::QualifiedName(const CtagsEntry& entry) {
  return entry.scope.empty() ? entry.name : entry.scope + "::" + entry.name;
}

void TagSet::Clear() {
  m_order.clear();
  m_tags.clear();
  m_entries.clear();
  m_index.clear();
  m_fileOf.clear();
  m_byFile.clear();
  m_files.clear();
  m_filePaths.clear();
  m_fileByWritten.clear();
  m_fileByPath.clear();
  m_invalidLines = 0;
  m_skippedKinds = 0;
}

bool TagSet::ReadLines(const std::string& path, std::vector<std::string>& lines) {
  lines.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  // The whole file in one read, then its lines (a last line may lack its end).
  std::string text;
  in.seekg(0, std::ios::end);
  text.resize(static_cast<size_t>(std::max<std::streamoff>(in.tellg(), 0)));
  in.seekg(0, std::ios::beg);
  in.read(&text[0], static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.emplace_back(text, start, end - start);
    start = end + 1;
  }
  return true;
}

bool TagSet::Load(const char* tagsPath) {
  std::string path = tagsPath ? tagsPath : "";
  Clear();
  m_path = path;
  std::vector<std::string> lines;
  m_loaded = ReadLines(m_path, lines);
  if (!m_loaded) return false;
  m_tags.reserve(lines.size());
  m_order.reserve(lines.size());
  m_entries.reserve(lines.size());
  AddLines(lines, FolderOf(m_path));
  return true;
}

void TagSet::AddLines(const std::vector<std::string>& lines, const std::string& folder) {
  // Progress in steps: each line is parsed, then made a tag.
  const size_t steps = 2 * lines.size();
  std::vector<ParsedLine> parsed(lines.size());
  size_t half = lines.size() >= kLinesWorthAHelper ? lines.size() / 2 : lines.size();
  std::thread helper;
  if (half < lines.size())
    helper = std::thread(ParseRange, std::cref(lines), half, lines.size(), std::ref(parsed), nullptr);
  // Both halves go at about the same pace. The product is taken in 64 bits:
  // in a 32-bit size_t it overflows from about 92,700 lines on.
  ParseRange(lines, 0, half, parsed, [&](size_t done) {
    if (m_progress)
      m_progress(static_cast<size_t>(uint64_t{done} * lines.size() / std::max<size_t>(half, 1)), steps);
  });
  if (helper.joinable()) helper.join();
  for (size_t index = 0; index < lines.size(); ++index) {
    if (m_progress && index % 4096 == 0) m_progress(lines.size() + index, steps);
    CtagsEntry& entry = parsed[index].entry;
    switch (parsed[index].result) {
      case CtagsLineResult::Comment:
        break;
      case CtagsLineResult::Invalid:
        ++m_invalidLines;
        break;
      case CtagsLineResult::Tag: {
        if (entry.typeCode < 0) {
          ++m_skippedKinds;
          break;
        }
        auto tag = std::make_unique<TagEntry>();
        size_t file = FileFor(entry.file, folder);
        tag->typeCode = entry.typeCode;
        tag->name = entry.name.c_str();
        tag->fileName = m_filePaths[file];   // shared by the file's tags
        tag->searchString = entry.searchString.c_str();
        tag->parentName = LastScopeComponent(entry.scope).c_str();
        tag->scope = entry.scope.c_str();
        tag->file = m_files[file].get();
        m_index.emplace(tag.get(), m_order.size());
        if (m_byFile.size() <= file) m_byFile.resize(file + 1);
        m_byFile[file].push_back(m_order.size());
        m_fileOf.push_back(file);
        m_order.push_back(tag.get());
        m_tags.push_back(std::move(tag));
        m_entries.push_back(std::move(entry));
        break;
      }
    }
  }
  ApplyLines();
  Link();
}

const CtagsEntry* TagSet::EntryOf(const TagEntry* tag) const {
  auto found = m_index.find(tag);
  return found == m_index.end() ? nullptr : &m_entries[found->second];
}

std::vector<const CtagsEntry*> TagSet::EntriesOfFile(const TagEntry* tag) const {
  std::vector<const CtagsEntry*> entries;
  auto found = m_index.find(tag);
  if (found == m_index.end()) return entries;
  for (size_t index : m_byFile[m_fileOf[found->second]]) entries.push_back(&m_entries[index]);
  return entries;
}

void TagSet::SetJumpByLine(bool byLine) {
  m_jumpByLine = byLine;
  ApplyLines();
}

void TagSet::ApplyLines() {
  for (size_t i = 0; i < m_order.size(); ++i) {
    const CtagsEntry& entry = m_entries[i];
    m_order[i]->line = entry.searchString.empty() || m_jumpByLine ? entry.line : -1;
  }
}

size_t TagSet::FileFor(const std::string& written, const std::string& folder) {
  // Each name as written is resolved once; names written differently that
  // resolve to one path share its file.
  auto known = m_fileByWritten.find(written);
  if (known != m_fileByWritten.end()) return known->second;
  std::string fullPath = ResolvePath(written, folder);
  auto same = m_fileByPath.find(fullPath);
  if (same != m_fileByPath.end()) return m_fileByWritten[written] = same->second;
  std::string pathText = fullPath.compare(0, folder.size(), folder) == 0 ? fullPath.substr(folder.size()) : fullPath;
  std::string name = fullPath.substr(fullPath.find_last_of('\\') + 1);
  size_t dot = name.rfind('.');
  // A leading dot (".profile") names the file; it does not start an extension.
  std::string bare = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  std::string extension = dot == std::string::npos || dot == 0 ? std::string() : name.substr(dot + 1);
  size_t index = m_files.size();
  m_files.push_back(std::make_unique<FileEntry>(bare.c_str(), extension.c_str(), pathText.c_str()));
  m_filePaths.push_back(CString(fullPath.c_str()));
  m_fileByPath.emplace(std::move(fullPath), index);
  m_fileByWritten.emplace(written, index);
  return index;
}

// Namespaces from the namespace tags; then each tag's namespace and its
// parent tag (the tag of the same file whose qualified name is the scope).
void TagSet::Link() {
  // Hashes over views of the names: no copy of a name per tag.
  std::vector<std::string> qualifiedNames(m_entries.size());
  std::unordered_set<std::string> namespaces;
  std::unordered_multimap<std::string_view, size_t> byQualifiedName(m_entries.size());
  std::unordered_multimap<std::string_view, size_t> byName(m_entries.size());
  for (size_t i = 0; i < m_entries.size(); ++i) {
    qualifiedNames[i] = QualifiedName(m_entries[i]);
    if (m_entries[i].typeCode == TagNSpace) namespaces.insert(qualifiedNames[i]);
    byQualifiedName.emplace(qualifiedNames[i], i);
    byName.emplace(m_entries[i].name, i);
  }
  for (size_t i = 0; i < m_entries.size(); ++i) {
    const CtagsEntry& entry = m_entries[i];
    TagEntry* tag = m_order[i];
    tag->parent = nullptr;
    if (entry.scope.empty()) continue;
    tag->nameSpace = (entry.scopeKind == "namespace" ? entry.scope : NamespacePart(entry.scope, namespaces)).c_str();
    int scopeType = TagTypeFromCtagsKind(entry.scopeKind);
    // The scope tag by its qualified name; failing that, by its bare name
    // (a scope written without its namespaces).
    long best = -1;
    for (int pass = 0; pass < 2 && best < 0; ++pass) {
      auto range = pass == 0 ? byQualifiedName.equal_range(entry.scope)
                             : byName.equal_range(LastScopeComponent(entry.scope));
      for (auto it = range.first; it != range.second; ++it) {
        size_t j = it->second;
        if (j == i || m_order[j]->file != tag->file) continue;
        if (scopeType >= 0 && m_entries[j].typeCode != scopeType) continue;
        // Of several definitions, the nearest one above the tag encloses it;
        // of two on one line, the first in the file.
        if (best < 0 || Encloses(m_entries[j].line, m_entries[best].line, entry.line) ||
            (!Encloses(m_entries[best].line, m_entries[j].line, entry.line) && j < static_cast<size_t>(best)))
          best = static_cast<long>(j);
      }
    }
    if (best >= 0) tag->parent = m_order[best];
  }
}
