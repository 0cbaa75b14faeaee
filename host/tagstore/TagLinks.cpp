#include "host/tagstore/TagLinks.h"
#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include "host/tagstore/CtagsLine.h"
#include "host/tagstore/InParallel.h"
#include "host/tagstore/TagKind.h"
#include "host/tagstore/TextScan.h"

namespace {

// From this many tags on, a second thread takes half of the work.
constexpr size_t kTagsWorthAHelper = 65536;

// strcmp order of a tag's text against a text that need not end in a zero.
int CompareName(const char* name, std::string_view text) { return CompareText(name, text.data(), text.size()); }

// Each file's tags by name, for finding a scope's tag: the positions of
// TagsByFile with each file's run in name order. The runs of a sorted tags
// file (ctags --sort=yes) are in that order already; others are sorted here.
class TagsByName {
 public:
  TagsByName(const TagArray& tags, const TagsByFile& files, bool sortedByName) : m_tags(tags), m_files(files) {
    if (sortedByName) {
      m_byName = &files.byFile;
      return;
    }
    m_sorted = files.byFile;
    auto byName = [&](uint32_t a, uint32_t b) {
      int order = CompareTexts(tags[a].Name(), tags[b].Name());
      return order != 0 ? order < 0 : a < b;
    };
    for (size_t f = 0; f + 1 < files.fileStart.size(); ++f)
      std::sort(m_sorted.begin() + files.fileStart[f], m_sorted.begin() + files.fileStart[f + 1], byName);
    m_byName = &m_sorted;
  }

  // The positions of the file's tags of that name.
  std::pair<const uint32_t*, const uint32_t*> Named(const FileEntry* file, std::string_view name) const {
    const size_t files = m_files.fileStart.size() - 1;
    std::less<const FileEntry*> before;
    if (!file || before(file, m_files.firstFile) || !before(file, m_files.firstFile + files)) return {nullptr, nullptr};
    size_t f = static_cast<size_t>(file - m_files.firstFile);
    const uint32_t* first = m_byName->data() + m_files.fileStart[f];
    const uint32_t* last = m_byName->data() + m_files.fileStart[f + 1];
    first = std::partition_point(first, last, [&](uint32_t i) { return CompareName(m_tags[i].Name(), name) < 0; });
    last = std::partition_point(first, last, [&](uint32_t i) { return CompareName(m_tags[i].Name(), name) == 0; });
    return {first, last};
  }

 private:
  const TagArray& m_tags;
  const TagsByFile& m_files;
  const std::vector<uint32_t>* m_byName;
  std::vector<uint32_t> m_sorted;   // for a tags file not sorted by name
};

// True when a scope tag on line `a` encloses a tag on `line` better than one
// on line `b`: one that starts above the tag beats one below it, the nearer
// the better.
bool Encloses(int a, int b, int line) {
  bool aAbove = a <= line, bAbove = b <= line;
  if (aAbove != bAbove) return aAbove;
  return aAbove ? a > b : a < b;
}

// The qualified names of the namespace tags, kept in names.
std::vector<std::string_view> Namespaces(const TagArray& tags, const std::vector<uint32_t>& namespaceTags,
                                         TextArena& names) {
  std::vector<std::string_view> kept;
  std::string qualified;
  for (uint32_t i : namespaceTags) {
    const TagEntry& tag = tags[i];
    qualified = *tag.Scope() ? std::string(tag.Scope()) + "::" + tag.Name() : std::string(tag.Name());
    kept.emplace_back(names.Copy(qualified.data(), qualified.size()), qualified.size());
  }
  return kept;
}

// The parent of tags[index] among its file's tags.
long FindParent(const TagArray& tags, size_t index, const TagsByName& scopes) {
  const TagEntry& tag = tags[index];
  const std::string_view scope = tag.Scope();
  const int scopeType = TagTypeFromCtagsKind(ScopeKindName(tag.ScopeKindNumber()));
  const int line = tag.TagsLine();
  // Of several definitions, the nearest one above the tag encloses it; of
  // two on one line, the first in the file.
  auto consider = [&](long& best, uint32_t j) {
    if (j == index || tags[j].TypeCode() != scopeType) return;
    int at = tags[j].TagsLine();
    if (best < 0 || Encloses(at, tags[best].TagsLine(), line) ||
        (!Encloses(tags[best].TagsLine(), at, line) && j < static_cast<size_t>(best)))
      best = static_cast<long>(j);
  };
  // The tag whose qualified name is the scope: its name is what follows one
  // of the scope's "::" (or the whole scope), its own scope what precedes it.
  // Failing that, a tag named as the scope's last component (a scope written
  // without its namespaces).
  long qualified = -1, bare = -1;
  const size_t lastSeparator = scope.rfind("::");
  auto lookUp = [&](size_t separator) {
    bool whole = separator == std::string_view::npos;
    std::string_view name = whole ? scope : scope.substr(separator + 2);
    std::string_view owner = whole ? std::string_view() : scope.substr(0, separator);
    bool last = separator == lastSeparator;
    auto named = scopes.Named(tag.File(), name);
    for (const uint32_t* j = named.first; j != named.second; ++j) {
      if (CompareName(tags[*j].Scope(), owner) == 0) consider(qualified, *j);
      if (last) consider(bare, *j);
    }
  };
  lookUp(std::string_view::npos);
  for (size_t sep = scope.find("::"); sep != std::string_view::npos; sep = scope.find("::", sep + 1)) lookUp(sep);
  return qualified >= 0 ? qualified : bare;
}

}  // namespace

void LinkTags(TagArray& tags, const TagsByFile& files, const TagsToLink& noted, TextArena& names,
              TagNamespaces& namespaces) {
  namespaces.Set(Namespaces(tags, noted.namespaceTags, names));
  std::vector<uint8_t> scoped(tags.size());
  for (uint32_t i : noted.scoped) scoped[i] = 1;
  // File by file, each half of the files on a thread of its own: the file's
  // tags stay in the cache while its scopes are looked up.
  const TagsByName scopes(tags, files, noted.sortedByName);
  const size_t halves = noted.scoped.size() >= kTagsWorthAHelper ? 2 : 1;
  const size_t fileCount = files.fileStart.size() - 1;
  size_t middleFile = 0;
  while (middleFile < fileCount && files.fileStart[middleFile] < files.byFile.size() / 2) ++middleFile;
  InParallel(halves, [&](size_t half) {
    size_t from = halves == 1 || half == 0 ? 0 : files.fileStart[middleFile];
    size_t to = halves == 2 && half == 0 ? files.fileStart[middleFile] : files.byFile.size();
    for (size_t at = from; at < to; ++at) {
      uint32_t i = files.byFile[at];
      if (!scoped[i]) continue;
      long parent = FindParent(tags, i, scopes);
      tags[i].SetParent(parent >= 0 ? &tags[static_cast<size_t>(parent)] : nullptr);
    }
  });
}
