// CFile: a file on disk over a Win32 handle.
#include "fw/File.h"

#include <cstring>

#include "FileTime.h"

namespace {

[[noreturn]] void ThrowLastError(const CString& fileName) {
  DWORD error = GetLastError();
  AfxThrowFileException(CFileException::OsErrorToCause(static_cast<long>(error)),
                        static_cast<long>(error), fileName);
}

void FullName(const char* fileName, char (&out)[MAX_PATH]) {
  out[0] = '\0';
  DWORD length = GetFullPathNameA(fileName, MAX_PATH, out, nullptr);
  if (length == 0 || length >= MAX_PATH) {
    std::strncpy(out, fileName, MAX_PATH - 1);
    out[MAX_PATH - 1] = '\0';
  }
}

// The status from what the system tells of a file, by handle
// (BY_HANDLE_FILE_INFORMATION) or by name (WIN32_FILE_ATTRIBUTE_DATA).
template <typename FileInfo>
void FillStatus(const FileInfo& info, const char* fileName, CFileStatus& status) {
  status.m_ctime = fw::FileTimeToSeconds(info.ftCreationTime);
  status.m_mtime = fw::FileTimeToSeconds(info.ftLastWriteTime);
  status.m_atime = fw::FileTimeToSeconds(info.ftLastAccessTime);
  status.m_size = (static_cast<long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  status.m_attribute = static_cast<unsigned char>(info.dwFileAttributes);
  FullName(fileName, status.m_szFullName);
}

}  // namespace

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE) {}

CFile::CFile(const char* fileName, unsigned openFlags) : m_hFile(INVALID_HANDLE_VALUE) {
  CFileException error;
  if (!Open(fileName, openFlags, &error))
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::CFile(HANDLE hFile, const char* fileName) : m_hFile(hFile), m_strFileName(fileName) {}

CFile::~CFile() {
  if (IsOpen()) CloseHandle(m_hFile);
  m_hFile = INVALID_HANDLE_VALUE;
}

bool CFile::Open(const char* fileName, unsigned openFlags, CFileException* error) {
  if (IsOpen()) Abort();
  m_strFileName = fileName;
  if (error != nullptr) {
    error->m_cause = CFileException::none;
    error->m_lOsError = 0;
    error->m_strFileName = fileName;
  }

  DWORD access;
  switch (openFlags & 0x3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default:
      if (error != nullptr) error->m_cause = CFileException::genericException;
      return false;
  }
  DWORD share;
  switch (openFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;   // shareCompat and shareExclusive
  }
  DWORD disposition = OPEN_EXISTING;
  if (openFlags & modeCreate) disposition = (openFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

  SECURITY_ATTRIBUTES security = {sizeof(security), nullptr, (openFlags & modeNoInherit) ? FALSE : TRUE};
  HANDLE handle = fileName == nullptr
                      ? INVALID_HANDLE_VALUE
                      : CreateFileA(fileName, access, share, &security, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    DWORD os = fileName == nullptr ? ERROR_INVALID_NAME : GetLastError();
    if (error != nullptr) {
      error->m_lOsError = static_cast<long>(os);
      error->m_cause = CFileException::OsErrorToCause(static_cast<long>(os));
    }
    return false;
  }
  m_hFile = handle;
  return true;
}

unsigned CFile::Read(void* buffer, unsigned count) {
  if (!IsOpen()) AfxThrowFileException(CFileException::invalidFile, ERROR_INVALID_HANDLE, m_strFileName);
  if (count == 0) return 0;
  DWORD read = 0;
  if (!ReadFile(m_hFile, buffer, count, &read, nullptr)) ThrowLastError(m_strFileName);
  return read;
}

void CFile::Write(const void* buffer, unsigned count) {
  if (!IsOpen()) AfxThrowFileException(CFileException::invalidFile, ERROR_INVALID_HANDLE, m_strFileName);
  if (count == 0) return;
  DWORD written = 0;
  if (!WriteFile(m_hFile, buffer, count, &written, nullptr)) ThrowLastError(m_strFileName);
  if (written < count) AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

long long CFile::Seek(long long offset, unsigned from) {
  if (!IsOpen()) AfxThrowFileException(CFileException::invalidFile, ERROR_INVALID_HANDLE, m_strFileName);
  DWORD method;
  switch (from) {
    case begin: method = FILE_BEGIN; break;
    case current: method = FILE_CURRENT; break;
    case end: method = FILE_END; break;
    default: AfxThrowFileException(CFileException::badSeek, ERROR_INVALID_PARAMETER, m_strFileName);
  }
  LARGE_INTEGER distance;
  distance.QuadPart = offset;
  LARGE_INTEGER position;
  if (!SetFilePointerEx(m_hFile, distance, &position, method)) ThrowLastError(m_strFileName);
  return position.QuadPart;
}

long long CFile::GetLength() const {
  if (!IsOpen()) AfxThrowFileException(CFileException::invalidFile, ERROR_INVALID_HANDLE, m_strFileName);
  LARGE_INTEGER size;
  if (!GetFileSizeEx(m_hFile, &size)) ThrowLastError(m_strFileName);
  return size.QuadPart;
}

void CFile::Flush() {
  if (!IsOpen()) return;
  if (!FlushFileBuffers(m_hFile)) ThrowLastError(m_strFileName);
}

void CFile::Close() {
  if (!IsOpen()) return;
  HANDLE handle = m_hFile;
  m_hFile = INVALID_HANDLE_VALUE;
  if (!CloseHandle(handle)) ThrowLastError(m_strFileName);
}

void CFile::Abort() {
  if (!IsOpen()) return;
  CloseHandle(m_hFile);
  m_hFile = INVALID_HANDLE_VALUE;
}

bool CFile::GetStatus(CFileStatus& status) const {
  status = CFileStatus();
  if (!IsOpen()) return false;
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(m_hFile, &info)) return false;
  FillStatus(info, m_strFileName, status);
  return true;
}

bool CFile::GetStatus(const char* fileName, CFileStatus& status) {
  status = CFileStatus();
  if (fileName == nullptr) return false;
  WIN32_FILE_ATTRIBUTE_DATA info;
  if (!GetFileAttributesExA(fileName, GetFileExInfoStandard, &info)) return false;
  FillStatus(info, fileName, status);
  return true;
}

void CFile::SetStatus(const char* fileName, const CFileStatus& status) {
  // A last-modification time of 0 means "not known": nothing to set.
  if (status.m_mtime == 0) return;
  // Only the write-attributes right: the file's data, its other time stamps
  // and its attributes are not touched.
  HANDLE handle = CreateFileA(fileName, FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) ThrowLastError(fileName);
  FILETIME modified = fw::SecondsToFileTime(status.m_mtime);
  BOOL ok = SetFileTime(handle, nullptr, nullptr, &modified);
  DWORD error = GetLastError();
  CloseHandle(handle);
  if (!ok) {
    SetLastError(error);
    ThrowLastError(fileName);
  }
}

void CFile::Rename(const char* oldName, const char* newName) {
  if (!MoveFileA(oldName, newName)) ThrowLastError(oldName);
}

void CFile::Remove(const char* fileName) {
  if (!DeleteFileA(fileName)) ThrowLastError(fileName);
}
