#pragma once
// What a tag's scope says about the other tags: its namespace (the scope
// itself for a scope of kind namespace, else the scope's longest leading run
// of components that names a namespace tag) and its parent tag (the tag of
// the same file whose qualified name is the scope; failing that, one whose
// name is the scope's last component, for a scope written without its
// namespaces). Of several, the one nearest above the tag encloses it.
#include <vector>
#include "host/tagstore/TextArena.h"
#include "host/addin/TagEntry.h"

// Sets every tag's namespace and parent. The namespaces' qualified names go
// into names, where the tags' namespaces point.
void LinkTags(std::vector<TagEntry>& tags, TextArena& names);
