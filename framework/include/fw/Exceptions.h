#pragma once
#include "fw/String.h"

// Exceptions are thrown as pointers (throw new CFileException(...)) and the
// catcher deletes them (e->Delete()).
class FW_API CException {
 public:
  CException();
  virtual ~CException();
  void Delete() { delete this; }
  // A readable description; false when none.
  virtual bool GetErrorMessage(char* buffer, unsigned size) const;
};

class FW_API CMemoryException : public CException {
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
