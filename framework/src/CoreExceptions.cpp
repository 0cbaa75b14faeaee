// The exceptions the lowest levels raise, and the functions that raise them.
#include "fw/CoreExceptions.h"

#include <cstdio>
#include <new>

namespace {

// Copies text into buffer (cut to fit, always terminated); false when there is no room.
bool CopyMessage(char* buffer, unsigned size, const char* text) {
  if (buffer == nullptr || size == 0) return false;
  std::snprintf(buffer, size, "%s", text);
  return true;
}

// Raised when not even a small allocation succeeds; never deleted.
CMemoryException g_outOfMemory(false);

}  // namespace

CException::CException() : m_bAutoDelete(true) {}
CException::CException(bool autoDelete) : m_bAutoDelete(autoDelete) {}
CException::~CException() = default;

bool CException::GetErrorMessage(char* buffer, unsigned size) const {
  if (buffer != nullptr && size > 0) buffer[0] = '\0';
  return false;
}

bool CMemoryException::GetErrorMessage(char* buffer, unsigned size) const {
  return CopyMessage(buffer, size, "Out of memory.");
}

bool CInvalidArgException::GetErrorMessage(char* buffer, unsigned size) const {
  return CopyMessage(buffer, size, "Invalid argument.");
}

void AfxThrowMemoryException() {
  // A fresh object when one can still be made (so a plain delete by the catcher
  // is harmless too), the static one otherwise.
  CMemoryException* e = new (std::nothrow) CMemoryException();
  if (e == nullptr) e = &g_outOfMemory;
  throw e;
}

void AfxThrowInvalidArgException() {
  CInvalidArgException* e = new (std::nothrow) CInvalidArgException();
  if (e == nullptr) AfxThrowMemoryException();
  throw e;
}
