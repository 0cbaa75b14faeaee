#pragma once
// What a tag's scope says about the other tags: its parent tag (the tag of
// the same file whose qualified name is the scope; failing that, one whose
// name is the scope's last component, for a scope written without its
// namespaces; of several, the one nearest above the tag encloses it), and
// the namespaces its namespace comes from (TagNamespaces.h).
#include <cstdint>
#include <vector>
#include "host/tagstore/TagArray.h"
#include "host/tagstore/TextArena.h"
#include "host/addin/TagNamespaces.h"

// The tags of each file: byFile[fileStart[f] .. fileStart[f + 1]) are the
// positions of file f's tags in tags-file order, fileOf(tag) is its file.
struct TagsByFile {
  const std::vector<uint32_t>& byFile;
  const std::vector<uint32_t>& fileStart;
  const FileEntry* firstFile;   // file f is firstFile + f
};

// What the tags' reader noted of them on the way.
struct TagsToLink {
  const std::vector<uint32_t>& scoped;          // the positions of the tags with a scope, ascending
  const std::vector<uint32_t>& namespaceTags;   // the positions of the namespace tags
  bool sortedByName;                            // in strcmp order of their names (ctags --sort=yes)
};

// Sets the parent of the tags with a scope (the others have none), and the
// set's namespaces: the namespace tags' qualified names, kept in names.
void LinkTags(TagArray& tags, const TagsByFile& files, const TagsToLink& noted, TextArena& names,
              TagNamespaces& namespaces);
