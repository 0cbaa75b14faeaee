#include "host/ide/IdeDocuments.h"

#include <oleauto.h>
#include "host/ide/AnsiText.h"
#include "host/ide/IdeIdentifiers.h"

IdeDocumentsFace::IdeDocumentsFace(IdeDocuments& owner, const char* name, const IID& iid)
    : IdeFace(owner, name, iid), m_documents(owner) {}

HRESULT STDMETHODCALLTYPE IdeDocumentsFace::Open(BSTR fileName, VARIANT type, VARIANT readOnly,
                                                 IDispatch** document) {
  HRESULT hook = Record(15, "Open", DescribeString(fileName) + ", " + DescribeVariant(type) + ", " +
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

IdeDocuments::IdeDocuments(IdeCalls& calls, const IdeConfiguration& configuration,
                           IdeActiveDocument& active)
    : IdeObject(calls, configuration, "Documents"),
      m_active(active),
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
    m_documents.push_back(
        std::make_unique<IdeDocument>(Calls(), Configuration(), m_active, name, fileName, std::move(lines)));
    document = m_documents.back().get();
    m_byName.emplace(FoldedName(fileName), document);
  }
  document->Activate();
  return document;
}
