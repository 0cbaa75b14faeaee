// CFileException: a file operation's failure, and the function that raises one.
#include "fw/Exceptions.h"

#include <windows.h>
#include <cstdio>
#include <new>

namespace {

// Copies text into buffer (cut to fit, always terminated); false when there is no room.
bool CopyMessage(char* buffer, unsigned size, const char* text) {
  if (buffer == nullptr || size == 0) return false;
  std::snprintf(buffer, size, "%s", text);
  return true;
}

}  // namespace

CFileException::CFileException(int cause, long osError, const char* fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

bool CFileException::GetErrorMessage(char* buffer, unsigned size) const {
  static const char* const kCauses[] = {
      "no error", "an unspecified error", "the file was not found", "the path is invalid",
      "too many files are open", "access was denied", "the file handle is invalid",
      "the current directory cannot be removed", "the directory is full",
      "the position cannot be set", "a hardware I/O error occurred",
      "a sharing violation occurred", "a locking violation occurred", "the disk is full",
      "the end of the file was reached"};
  int cause = m_cause;
  if (cause < 0 || cause >= static_cast<int>(sizeof(kCauses) / sizeof(kCauses[0])))
    cause = genericException;
  char text[MAX_PATH + 128];
  std::snprintf(text, sizeof(text), "%s%s%s: %s.", m_strFileName.IsEmpty() ? "File" : "File \"",
                static_cast<const char*>(m_strFileName), m_strFileName.IsEmpty() ? "" : "\"",
                kCauses[cause]);
  return CopyMessage(buffer, size, text);
}

int CFileException::OsErrorToCause(long osError) {
  switch (osError) {
    case NO_ERROR: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_BAD_NETPATH:
    case ERROR_DIRECTORY:
    case ERROR_FILENAME_EXCED_RANGE: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return accessDenied;
    case ERROR_INVALID_HANDLE:
    case ERROR_INVALID_ACCESS: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_CANNOT_MAKE: return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK: return badSeek;
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE: return hardIO;
    case ERROR_SHARING_VIOLATION:
    case ERROR_SHARING_BUFFER_EXCEEDED: return sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_DRIVE_LOCKED: return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
  }
}

void AfxThrowFileException(int cause, long osError, const char* fileName) {
  CFileException* e = new (std::nothrow) CFileException(cause, osError, nullptr);
  if (e == nullptr) AfxThrowMemoryException();
  try {
    e->m_strFileName = fileName;
  } catch (CException* inner) {
    inner->Delete();
    // The file name is lost; the cause still travels.
  }
  throw e;
}
