#include "host/addin/TagEntry.h"
#include "host/addin/TagNamespaces.h"

const char* TagEntry::ParentName() const {
  // The last component of the scope: what follows its last "::".
  const char* scope = Scope();
  const char* last = scope;
  for (const char* p = scope; p[0]; ++p) {
    if (p[0] == ':' && p[1] == ':') last = p + 2;
  }
  return last;
}

const char* TagEntry::Namespace() const {
  const char* scope = Scope();
  if (!*scope) return "";
  if (m_flags & kScopeIsNamespace) return scope;
  const TagNamespaces* namespaces = m_file ? m_file->tagNamespaces() : nullptr;
  return namespaces && !namespaces->empty() ? namespaces->Of(scope) : "";
}
