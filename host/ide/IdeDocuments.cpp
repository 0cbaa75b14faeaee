#include "host/ide/IdeDocuments.h"

#include <oleauto.h>
#include "host/ide/AnsiText.h"
#include "host/ide/IdeIdentifiers.h"
#include "host/ide/ReferenceIde.h"

IdeDocumentsFace::IdeDocumentsFace(IdeDocuments& owner, const char* name, const IID& iid)
    : IdeFace(owner, name, iid), m_documents(owner) {}

HRESULT STDMETHODCALLTYPE IdeDocumentsFace::Open(BSTR fileName, VARIANT type, VARIANT readOnly,
                                                 IDispatch** document) {
  HRESULT hook = Record(15, DescribeString(fileName) + ", " + DescribeVariant(type) + ", " +
                                DescribeVariant(readOnly) + ", out");
  if (hook != S_OK) return hook;
  if (!document) return E_POINTER;
  *document = nullptr;
  if (!fileName) return E_INVALIDARG;
  IdeDocument* opened = m_documents.Open(std::wstring(fileName, SysStringLen(fileName)));
  if (!opened) return E_FAIL;
  *document = opened->NewReference();
  return S_OK;
}

IdeDocuments::IdeDocuments(ReferenceIde& ide)
    : IdeObject(ide.Log(), ide.Configuration(), "Documents"),
      m_ide(ide),
      m_dispatch(*this, "IDispatch", IID_IDispatch),
      m_documentsFace(*this, "IDocuments", hostide::IID_Documents),
      m_alternate(*this, "IDocuments(alternate)", hostide::IID_DocumentsAlternate) {
  AddFace(m_dispatch);
  AddFace(m_documentsFace);
  AddFace(m_alternate);
}

std::wstring IdeDocuments::FoldedName(const std::wstring& fileName) {
  std::wstring folded = fileName;
  if (!folded.empty()) CharLowerBuffW(&folded[0], static_cast<DWORD>(folded.size()));
  return folded;
}

IdeDocument* IdeDocuments::Find(const std::wstring& fileName) const {
  auto found = m_byName.find(FoldedName(fileName));
  return found == m_byName.end() ? nullptr : found->second;
}

IdeDocument* IdeDocuments::Open(const std::wstring& fileName) {
  IdeDocument* document = Find(fileName);
  if (!document) {
    std::vector<std::wstring> lines;
    if (!ReadTextFileLines(fileName, lines)) return nullptr;
    std::string name = "Document " + std::to_string(m_documents.size() + 1);
    m_documents.push_back(std::make_unique<IdeDocument>(m_ide, name, fileName, std::move(lines)));
    document = m_documents.back().get();
    m_byName.emplace(FoldedName(fileName), document);
  }
  m_ide.SetActiveDocument(document);
  return document;
}

bool ReadTextFileLines(const std::wstring& fileName, std::vector<std::wstring>& lines) {
  HANDLE file = CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) {
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  if (!ok) return false;

  lines.clear();
  size_t start = 0;
  while (true) {
    size_t end = bytes.find('\n', start);
    std::string line = bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(AnsiToWide(line));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return true;
}
