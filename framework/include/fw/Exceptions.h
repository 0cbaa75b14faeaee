#pragma once
#include "fw/CoreExceptions.h"
#include "fw/String.h"

// A file operation that failed: why (a Cause), the system's error code and the file's name.
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

// Raises a CFileException (never returns).
[[noreturn]] FW_API void AfxThrowFileException(int cause, long osError = -1, const char* fileName = nullptr);
