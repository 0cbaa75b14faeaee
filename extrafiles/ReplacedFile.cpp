#include "extrafiles/ReplacedFile.h"
#include <cstring>

namespace {

// The flags a replacing file takes over. Read-only files are never replaced.
const DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_TEMPORARY;

// A file's access list: the DACL alone (owner and audit entries need rights a
// save may lack), self-relative; empty when it cannot be read. Read by name
// for the old file, which is not held open for it, and through the handle
// for the new one. Most lists fit the first buffer.
std::vector<unsigned char> AccessList(const char* file, HANDLE handle) {
  std::vector<unsigned char> list(512);
  for (int attempt = 0; attempt < 2; ++attempt) {
    DWORD needed = 0;
    const DWORD size = static_cast<DWORD>(list.size());
    const BOOL read = file ? GetFileSecurityA(file, DACL_SECURITY_INFORMATION, list.data(), size, &needed)
                           : GetKernelObjectSecurity(handle, DACL_SECURITY_INFORMATION, list.data(), size, &needed);
    if (read) {
      list.resize(GetSecurityDescriptorLength(list.data()));
      return list;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= size) break;
    list.resize(needed);
  }
  list.clear();
  return list;
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
  if (!GetFileInformationByHandleEx(file, FileBasicInfo, &m_basic, sizeof m_basic)) m_basic = FILE_BASIC_INFO();
  m_path = FinalPath(file, path);
  CloseHandle(file);
  if (m_path.IsEmpty()) return false;
  m_accessList = AccessList(m_path, nullptr);
  return true;
}

void ReplacedFile::HandOver(HANDLE replacement) const {
  // Times and flags left at zero stay as they are.
  FILE_BASIC_INFO basic = {};
  basic.CreationTime = m_basic.CreationTime;
  if (m_basic.FileAttributes & kKeptAttributes)
    basic.FileAttributes = (m_basic.FileAttributes & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE;
  if (basic.CreationTime.QuadPart || basic.FileAttributes)
    SetFileInformationByHandle(replacement, FileBasicInfo, &basic, sizeof basic);
  // A new file whose list already is the old one's is left as made: the
  // common case, and where the list stands for permission bits, one set anew
  // may not map back to the bits it came from.
  if (m_accessList.empty() || AccessList(nullptr, replacement) == m_accessList) return;
  SetKernelObjectSecurity(replacement, DACL_SECURITY_INFORMATION,
                          const_cast<unsigned char*>(m_accessList.data()));
}
