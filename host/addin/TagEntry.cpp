#include "host/addin/TagEntry.h"

const char* TagEntry::ParentName() const {
  // The last component of the scope: what follows its last "::".
  const char* scope = Scope();
  const char* last = scope;
  for (const char* p = scope; p[0]; ++p) {
    if (p[0] == ':' && p[1] == ':') last = p + 2;
  }
  return last;
}
