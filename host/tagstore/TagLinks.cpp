#include "host/tagstore/TagLinks.h"
#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include "host/tagstore/CtagsLine.h"
#include "host/tagstore/TagKind.h"

namespace {

// strcmp order of a tag's name against a text that need not end in a zero.
int CompareName(const char* name, std::string_view text) {
  int order = std::strncmp(name, text.data(), text.size());
  if (order != 0) return order;
  return name[text.size()] == '\0' ? 0 : 1;
}

// The tags that can be a scope, by file and name: only tags of a type that
// some tag's scope kind names.
class ScopeTags {
 public:
  explicit ScopeTags(const std::vector<TagEntry>& tags) : m_tags(tags) {
    unsigned types = 0;
    for (const TagEntry& tag : tags) {
      if (*tag.Scope()) types |= 1u << TagTypeFromCtagsKind(ScopeKindName(tag.ScopeKindNumber()));
    }
    for (size_t i = 0; i < tags.size(); ++i) {
      int type = tags[i].TypeCode();
      if (type >= 0 && type < 32 && (types >> type & 1)) m_byName.push_back(static_cast<uint32_t>(i));
    }
    std::sort(m_byName.begin(), m_byName.end(), [&](uint32_t a, uint32_t b) {
      if (tags[a].File() != tags[b].File()) return std::less<const FileEntry*>()(tags[a].File(), tags[b].File());
      int order = std::strcmp(tags[a].Name(), tags[b].Name());
      return order != 0 ? order < 0 : a < b;
    });
  }

  // The positions of the file's tags of that name.
  std::pair<const uint32_t*, const uint32_t*> Named(const FileEntry* file, std::string_view name) const {
    auto before = [&](uint32_t index) {
      const TagEntry& tag = m_tags[index];
      if (tag.File() != file) return std::less<const FileEntry*>()(tag.File(), file);
      return CompareName(tag.Name(), name) < 0;
    };
    auto notAfter = [&](uint32_t index) {
      const TagEntry& tag = m_tags[index];
      if (tag.File() != file) return std::less<const FileEntry*>()(tag.File(), file);
      return CompareName(tag.Name(), name) <= 0;
    };
    const uint32_t* first = std::partition_point(m_byName.data(), m_byName.data() + m_byName.size(), before);
    const uint32_t* last = std::partition_point(first, m_byName.data() + m_byName.size(), notAfter);
    return {first, last};
  }

 private:
  const std::vector<TagEntry>& m_tags;
  std::vector<uint32_t> m_byName;
};

// True when a scope tag on line `a` encloses a tag on `line` better than one
// on line `b`: one that starts above the tag beats one below it, the nearer
// the better.
bool Encloses(int a, int b, int line) {
  bool aAbove = a <= line, bAbove = b <= line;
  if (aAbove != bAbove) return aAbove;
  return aAbove ? a > b : a < b;
}

// The qualified names of the namespace tags, sorted, each once, kept in names.
std::vector<std::string_view> Namespaces(const std::vector<TagEntry>& tags, TextArena& names) {
  std::vector<std::string> qualified;
  for (const TagEntry& tag : tags) {
    if (tag.TypeCode() != TagNSpace) continue;
    qualified.push_back(*tag.Scope() ? std::string(tag.Scope()) + "::" + tag.Name() : std::string(tag.Name()));
  }
  std::sort(qualified.begin(), qualified.end());
  qualified.erase(std::unique(qualified.begin(), qualified.end()), qualified.end());
  std::vector<std::string_view> kept;
  for (const std::string& name : qualified) kept.emplace_back(names.Copy(name.data(), name.size()), name.size());
  return kept;
}

// The longest leading run of the scope's components that names a namespace
// ("outer::inner" of "outer::inner::Widget"); "" when none does.
const char* NamespacePart(std::string_view scope, const std::vector<std::string_view>& namespaces) {
  const char* best = "";
  for (size_t pos = 0;;) {
    size_t sep = scope.find("::", pos);
    std::string_view prefix = sep == std::string_view::npos ? scope : scope.substr(0, sep);
    auto found = std::lower_bound(namespaces.begin(), namespaces.end(), prefix);
    if (found != namespaces.end() && *found == prefix) best = found->data();
    if (sep == std::string_view::npos) break;
    pos = sep + 2;
  }
  return best;
}

// The parent of tags[index] among the file's scope tags.
long FindParent(const std::vector<TagEntry>& tags, size_t index, const ScopeTags& scopes) {
  const TagEntry& tag = tags[index];
  const std::string_view scope = tag.Scope();
  const int scopeType = TagTypeFromCtagsKind(ScopeKindName(tag.ScopeKindNumber()));
  long best = -1;
  auto consider = [&](uint32_t j) {
    if (j == index || tags[j].TypeCode() != scopeType) return;
    // Of several definitions, the nearest one above the tag encloses it; of
    // two on one line, the first in the file.
    int line = tag.TagsLine(), at = tags[j].TagsLine();
    if (best < 0 || Encloses(at, tags[best].TagsLine(), line) ||
        (!Encloses(tags[best].TagsLine(), at, line) && j < static_cast<size_t>(best)))
      best = static_cast<long>(j);
  };
  // The tag whose qualified name is the scope: its name is what follows one
  // of the scope's "::" (or the whole scope), its own scope what precedes it.
  auto qualifiedAs = [&](std::string_view name, std::string_view owner) {
    auto named = scopes.Named(tag.File(), name);
    for (const uint32_t* j = named.first; j != named.second; ++j) {
      if (owner == tags[*j].Scope()) consider(*j);
    }
  };
  qualifiedAs(scope, std::string_view());
  for (size_t sep = scope.find("::"); sep != std::string_view::npos; sep = scope.find("::", sep + 1))
    qualifiedAs(scope.substr(sep + 2), scope.substr(0, sep));
  if (best >= 0) return best;
  // Failing that, by its bare name (a scope written without its namespaces).
  auto named = scopes.Named(tag.File(), LastScopeComponent(scope));
  for (const uint32_t* j = named.first; j != named.second; ++j) consider(*j);
  return best;
}

}  // namespace

void LinkTags(std::vector<TagEntry>& tags, TextArena& names) {
  const std::vector<std::string_view> namespaces = Namespaces(tags, names);
  const ScopeTags scopes(tags);
  for (size_t i = 0; i < tags.size(); ++i) {
    TagEntry& tag = tags[i];
    tag.SetParent(nullptr);
    tag.SetNamespace("");
    if (!*tag.Scope()) continue;
    bool inNamespace = std::strcmp(ScopeKindName(tag.ScopeKindNumber()), "namespace") == 0;
    tag.SetNamespace(inNamespace ? tag.Scope() : NamespacePart(tag.Scope(), namespaces));
    long parent = FindParent(tags, i, scopes);
    if (parent >= 0) tag.SetParent(&tags[static_cast<size_t>(parent)]);
  }
}
