#define FWTEST_PEER_BUILDING
#include "Peer.h"

#include <vector>

#include "fw/ExtensionModule.h"
#include "fw/File.h"
#include "fw/StringPool.h"
#include "fw/WinApp.h"

namespace {
CString g_kept;
AFX_EXTENSION_MODULE g_extension;
HMODULE g_module = nullptr;
}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  return TRUE;
}

CStringArg PeerMakeString(const char* text) { return CString(text).PassByValue(); }

long PeerCountWithCopy(CStringArg arg) {
  CString adopted = CString::Adopt(arg);
  CString copy = adopted;
  return copy.GetRefCount();
}

void PeerKeep(const CString& text) { g_kept = text; }
void PeerDropKept() { g_kept.Empty(); }

unsigned PeerChurnStrings(int count) {
  {
    std::vector<CString> strings;
    strings.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) strings.emplace_back('n', 16 + i % 48);
  }
  CStringPoolStatistics statistics;
  AfxGetStringPoolStatistics(statistics);
  return statistics.chunkBytes;
}

void PeerThrowMemory() { AfxThrowMemoryException(); }

void PeerOpenMissingFile(const char* path) { CFile file(path, CFile::modeRead); }

CWinApp* PeerGetApp() { return AfxGetApp(); }

bool PeerInitExtension() {
  if (!AfxInitExtensionModule(g_extension, g_module)) return false;
  new CDynLinkLibrary(g_extension);
  return true;
}

void PeerTermExtension() { AfxTermExtensionModule(g_extension); }

HMODULE PeerModule() { return g_module; }
