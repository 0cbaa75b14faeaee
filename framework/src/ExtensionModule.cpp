// Extension-module set-up: the process-wide list of library records kept in the
// framework DLL, shared by every module that links the framework.
#include "fw/ExtensionModule.h"

namespace {
SRWLOCK g_lock = SRWLOCK_INIT;
CDynLinkLibrary* g_head = nullptr;   // most recently added first

// Takes record out of the list; the caller holds the lock.
void Unlink(CDynLinkLibrary* record) {
  for (CDynLinkLibrary** link = &g_head; *link != nullptr; link = &(*link)->m_pNextDLL) {
    if (*link == record) {
      *link = record->m_pNextDLL;
      record->m_pNextDLL = nullptr;
      return;
    }
  }
}
}  // namespace

bool AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
  if (hModule == nullptr) return false;
  state.hModule = hModule;
  state.hResource = hModule;
  state.bInitialized = true;
  return true;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, bool all) {
  // The matching records leave the list under the lock and are deleted after it.
  CDynLinkLibrary* doomed = nullptr;
  AcquireSRWLockExclusive(&g_lock);
  for (CDynLinkLibrary** link = &g_head; *link != nullptr;) {
    CDynLinkLibrary* record = *link;
    if (all || record->m_hModule == state.hModule) {
      *link = record->m_pNextDLL;
      record->m_pNextDLL = doomed;
      doomed = record;
    } else {
      link = &record->m_pNextDLL;
    }
  }
  ReleaseSRWLockExclusive(&g_lock);
  while (doomed != nullptr) {
    CDynLinkLibrary* next = doomed->m_pNextDLL;
    doomed->m_pNextDLL = nullptr;
    delete doomed;
    doomed = next;
  }
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, bool system)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(system), m_pNextDLL(nullptr) {
  AcquireSRWLockExclusive(&g_lock);
  m_pNextDLL = g_head;
  g_head = this;
  ReleaseSRWLockExclusive(&g_lock);
}

// A record deleted directly also leaves the list.
CDynLinkLibrary::~CDynLinkLibrary() {
  AcquireSRWLockExclusive(&g_lock);
  Unlink(this);
  ReleaseSRWLockExclusive(&g_lock);
}

int AfxGetLibraryCount() {
  AcquireSRWLockShared(&g_lock);
  int count = 0;
  for (CDynLinkLibrary* record = g_head; record != nullptr; record = record->m_pNextDLL) ++count;
  ReleaseSRWLockShared(&g_lock);
  return count;
}

HMODULE AfxGetLibraryModule(int index) {
  AcquireSRWLockShared(&g_lock);
  HMODULE module = nullptr;
  CDynLinkLibrary* record = g_head;
  for (int i = 0; record != nullptr && i < index; ++i) record = record->m_pNextDLL;
  if (index >= 0 && record != nullptr) module = record->m_hModule;
  ReleaseSRWLockShared(&g_lock);
  return module;
}
