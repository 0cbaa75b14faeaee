// The framework DLL's entry point and its last static object. When the DLL
// is unloaded (FreeLibrary), the string pools give their chunks back to the
// heap, unless a string still uses them, after every other static object of
// the DLL is gone. At process exit
// they keep them: the other threads were stopped wherever they were, perhaps
// inside the heap, and the system takes the memory back anyway.
#include <windows.h>

#include "StringPool.h"

namespace {

bool g_processExiting = false;

struct StringPoolRelease {
  ~StringPoolRelease() {
    if (!g_processExiting) fw::ReleaseStringPools();
  }
};

// Built before, hence destroyed after, every static object of default priority.
StringPoolRelease g_stringPoolRelease __attribute__((init_priority(101)));

}  // namespace

// Runs before the static objects' destructors on both kinds of detach.
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH) g_processExiting = reserved != nullptr;
  return TRUE;
}
