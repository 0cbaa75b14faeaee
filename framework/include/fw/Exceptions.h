#pragma once
#include "fw/String.h"

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

class FW_API CFileException : public CException {
 public:
  enum Cause {
    none = 0, genericException, fileNotFound, badPath, tooManyOpenFiles,
    accessDenied, invalidFile, removeCurrentDir, directoryFull, badSeek,
    hardIO, sharingViolation, lockViolation, diskFull, endOfFile
  };
  CFileException(int cause = none, long osError = -1, const char* fileName = nullptr);
  bool GetErrorMessage(char* buffer, unsigned size) const override;
  // The cause that a Windows error code stands for.
  static int OsErrorToCause(long osError);

  int m_cause;
  long m_lOsError;
  CString m_strFileName;
};

// Raise the framework's exceptions (never return).
[[noreturn]] FW_API void AfxThrowMemoryException();
[[noreturn]] FW_API void AfxThrowFileException(int cause, long osError = -1, const char* fileName = nullptr);
[[noreturn]] FW_API void AfxThrowInvalidArgException();
