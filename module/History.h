#pragma once
// The filter histories in the host's profile store: one string value per list
// under section "Config", every entry followed by "|" (no count, no escaping).
#include "fw/StringArray.h"

// Replaces the list by the stored value of key (missing: empty list). The value
// is split at every "|"; empty entries are kept, and a non-empty remainder
// after the last "|" becomes a last entry.
void LoadHistory(CStringArray& list, const char* key);
// Writes the list under key; an empty list is written as "".
void SaveHistory(const CStringArray& list, const char* key);
