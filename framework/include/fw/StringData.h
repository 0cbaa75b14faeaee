#pragma once

// The header before a CString's characters (see fw/String.h): the string
// pools size their blocks by it, below the string class itself.
struct CStringData {
  long nRefs;         // -1: locked; the shared empty string has its own marker
  int nDataLength;    // characters, terminator excluded
  int nAllocLength;   // room for characters, terminator excluded
  char* data() { return reinterpret_cast<char*>(this + 1); }
};
