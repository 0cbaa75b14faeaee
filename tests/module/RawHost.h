#pragma once
// Host objects built from raw tables of function pointers, not from the
// module's declarations, so that a call at a wrong position shows up in the
// record as that position. The IDE application is a COM interface: every
// position is __stdcall and takes one 32-bit argument besides the interface
// pointer (the only IDE operation the frame calls, set active, takes one). The
// workspace is a C++ object of the host: its positions are member functions
// (thiscall, the object in ECX) with their own arguments.
#include <windows.h>
#include "tests/support/ExpectedSequence.h"

// An object whose first word is its table; every position puts its call into
// the record (TheRecord), its source "ide" or "workspace".
struct RawObject {
  const void* const* table;
  const char* label;
};

// The IDE automation application: positions 0 to 43. Set active's argument
// is recorded as its low 16 bits, a VARIANT_BOOL (0 or -1); other arguments
// as the 32-bit word.
RawObject MakeRawIde();
// The host workspace interface: positions 0 to 11.
RawObject MakeRawWorkspace();
