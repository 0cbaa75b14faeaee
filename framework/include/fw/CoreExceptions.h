#pragma once
#include "fw/Export.h"

// Exceptions are thrown as pointers (throw new CFileException(...)) and the
// catcher deletes them (e->Delete()). Always use Delete: when memory is
// exhausted AfxThrowMemoryException throws a preallocated static object whose
// Delete does nothing.
class FW_API CException {
 public:
  CException();
  explicit CException(bool autoDelete);
  virtual ~CException();
  void Delete() { if (m_bAutoDelete) delete this; }
  // A readable description; false when none.
  virtual bool GetErrorMessage(char* buffer, unsigned size) const;

  bool m_bAutoDelete;   // false for static exception objects
};

class FW_API CMemoryException : public CException {
 public:
  CMemoryException() = default;
  explicit CMemoryException(bool autoDelete) : CException(autoDelete) {}
  bool GetErrorMessage(char* buffer, unsigned size) const override;
};

// An index or argument outside what the callee accepts (for instance an
// out-of-range CStringArray index); nothing was changed.
class FW_API CInvalidArgException : public CException {
 public:
  bool GetErrorMessage(char* buffer, unsigned size) const override;
};

// Raise the exceptions above (never return).
[[noreturn]] FW_API void AfxThrowMemoryException();
[[noreturn]] FW_API void AfxThrowInvalidArgException();
