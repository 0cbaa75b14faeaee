#pragma once
// The host's workspace files as the file picker lists them, and the
// collection that holds them. The module reaches both through their tables of
// virtual functions by position, as C++ member functions of the platform's
// default convention (object in ECX, the callee removes the arguments), so the
// order of the virtual functions below is binding; the placeholders hold
// positions that the module never calls.
#include <windows.h>
#include <memory>
#include <vector>
#include "fw/String.h"

class TagNamespaces;

class FileEntry final {
 public:
  FileEntry(const char* bareName, const char* extension, const char* pathText, const char* fullPath = "")
      : m_bareName(bareName), m_extension(extension), m_pathText(pathText), m_fullPath(fullPath) {}

  virtual void Reserved0() {}
  virtual void Reserved1() {}
  virtual void Reserved2() {}
  virtual void Reserved3() {}
  virtual void Reserved4() {}
  virtual void Reserved5() {}
  virtual const CString& GetBareName() { return m_bareName; }    // 6
  virtual const CString& GetExtension() { return m_extension; }  // 7: no dot
  virtual const CString& GetPathText() { return m_pathText; }    // 8

  // "name.ext", or "name" alone when the extension is empty.
  CString DisplayName() const;
  // The path the IDE opens (the file name its tags report); "" where the
  // host keeps it elsewhere (the catalog).
  const char* FullPath() const { return m_fullPath; }
  // The namespaces of the tags set this file's tags belong to; null for none.
  const TagNamespaces* tagNamespaces() const { return m_tagNamespaces; }
  void SetTagNamespaces(const TagNamespaces* namespaces) { m_tagNamespaces = namespaces; }

 private:
  CString m_bareName;
  CString m_extension;
  CString m_pathText;
  CString m_fullPath;
  const TagNamespaces* m_tagNamespaces = nullptr;
};

// The host file collection: files by position, in the order they were added.
class FileCatalog final {
 public:
  virtual void Reserved0() {}
  virtual FileEntry* GetFileAt(DWORD position) {   // 1
    return position < m_files.size() ? m_files[position].get() : nullptr;
  }

  // Adds a file and returns its position.
  DWORD Add(const char* bareName, const char* extension, const char* pathText);
  DWORD GetCount() const { return static_cast<DWORD>(m_files.size()); }
  FileEntry* At(DWORD position) const { return m_files[position].get(); }
  void Clear() { m_files.clear(); }

 private:
  std::vector<std::unique_ptr<FileEntry>> m_files;
};
