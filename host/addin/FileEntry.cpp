#include "host/addin/FileEntry.h"

CString FileEntry::DisplayName() const {
  if (m_extension.IsEmpty()) return m_bareName;
  return m_bareName + "." + m_extension;
}

DWORD FileCatalog::Add(const char* bareName, const char* extension, const char* pathText) {
  m_files.push_back(std::make_unique<FileEntry>(bareName, extension, pathText));
  return static_cast<DWORD>(m_files.size() - 1);
}
