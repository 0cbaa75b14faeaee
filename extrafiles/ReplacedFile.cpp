#include "extrafiles/ReplacedFile.h"
#include <cstring>

namespace {

// The flags a replacing file takes over. Read-only files are never replaced.
const DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_TEMPORARY;

// The file's access list (the DACL alone: owner and audit entries need rights
// a save may lack), self-relative; empty when it cannot be read.
std::vector<unsigned char> AccessList(const char* file) {
  std::vector<unsigned char> security;
  DWORD needed = 0;
  GetFileSecurityA(file, DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  if (needed == 0) return security;
  security.resize(needed);
  if (!GetFileSecurityA(file, DACL_SECURITY_INFORMATION, security.data(), needed, &needed)) security.clear();
  return security;
}

// The path the handle reaches, in the form the ANSI file API takes: path
// itself when that names the same file, where a link leads otherwise, ""
// when that lies beyond the API's length limit.
CString FinalPath(HANDLE file, const CString& path) {
  char final[MAX_PATH + 8];
  const DWORD length = GetFinalPathNameByHandleA(file, final, sizeof final, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  // A file system that cannot say: the path as given is all there is to go by.
  if (length == 0) return path;
  if (length >= sizeof final) return CString();
  // "\\?\C:\dir\file" and "\\?\UNC\server\share\file" in their usual forms.
  CString plain;
  if (std::strncmp(final, "\\\\?\\UNC\\", 8) == 0)
    plain = CString("\\\\") + (final + 8);
  else if (std::strncmp(final, "\\\\?\\", 4) == 0)
    plain = final + 4;
  else
    plain = final;
  if (plain.GetLength() >= MAX_PATH) return CString();
  char full[MAX_PATH];
  const DWORD fullLength = GetFullPathNameA(path, MAX_PATH, full, nullptr);
  if (fullLength > 0 && fullLength < MAX_PATH && plain.CompareNoCase(full) == 0) return path;
  return plain;
}

}  // namespace

bool ReplacedFile::Inspect(const CString& path) {
  // Writing and deleting are what a replacement does to the file: asked for
  // here, the system says whether its access list allows both (and a file
  // held without shared access refuses them here, before anything is written).
  HANDLE file = CreateFileA(path, FILE_WRITE_DATA | DELETE | FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // Through the handle: the file a link leads to, not the link.
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(file, &info)) {
    m_attributes = info.dwFileAttributes;
    m_created = info.ftCreationTime;
  }
  m_path = FinalPath(file, path);
  CloseHandle(file);
  if (m_path.IsEmpty()) return false;
  m_accessList = AccessList(m_path);
  return true;
}

void ReplacedFile::HandOver(const char* replacement) const {
  HANDLE file = CreateFileA(replacement, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    if (m_created.dwLowDateTime || m_created.dwHighDateTime) SetFileTime(file, &m_created, nullptr, nullptr);
    CloseHandle(file);
  }
  if (m_attributes & kKeptAttributes)
    SetFileAttributesA(replacement, (m_attributes & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE);
  // Last, as it may take rights this process had on the new file. A new file
  // whose list already is the old one's is left as made: the common case, and
  // where the list stands for permission bits, one set anew may not map back
  // to the bits it came from.
  if (m_accessList.empty() || AccessList(replacement) == m_accessList) return;
  SetFileSecurityA(replacement, DACL_SECURITY_INFORMATION, const_cast<unsigned char*>(m_accessList.data()));
}
