#pragma once
// Host objects built from raw tables of function pointers, not from the
// module's declarations, so that a call at a wrong position shows up as
// "position N called". The IDE application is a COM interface: every position
// is __stdcall and takes one 32-bit argument besides the interface pointer
// (the only IDE operation the frame calls, set active, takes one). The
// workspace is a C++ object of the host: its positions are member functions
// (thiscall, the object in ECX) with their own arguments.
#include <windows.h>
#include <vector>

struct RawCall {
  int position;
  DWORD argument;
};

// An object whose first word is its table; every position records its call.
struct RawObject {
  const void* const* table;
  std::vector<RawCall> calls;
};

// The IDE automation application: positions 0 to 43.
RawObject MakeRawIde();
// The host workspace interface: positions 0 to 11.
RawObject MakeRawWorkspace();

// The low 16 bits of a recorded argument, as a VARIANT_BOOL.
inline short AsVariantBool(DWORD argument) { return static_cast<short>(argument & 0xFFFF); }
