#pragma once
// The reference IDE's documents collection: opening a file reads it from disk
// into a document (once; opening it again gives the same document). Open
// documents are found by their file name through a hash of the names in
// lower case, so a long session with many documents does not walk them all.
#include <memory>
#include <unordered_map>
#include "host/ide/IdeDocument.h"

class IdeDocuments;

// IDocuments (and its alternate) as the IDE lays it out.
class IdeDocumentsFace : public IdeFace {
 public:
  IdeDocumentsFace(IdeDocuments& owner, const char* name, const IID& iid);
  HOST_IDE_SLOT(7) HOST_IDE_SLOT(8) HOST_IDE_SLOT(9) HOST_IDE_SLOT(10) HOST_IDE_SLOT(11)
  HOST_IDE_SLOT(12) HOST_IDE_SLOT(13) HOST_IDE_SLOT(14)
  // 15: file name, document type, read-only flag, out: the document.
  virtual HRESULT STDMETHODCALLTYPE Open(BSTR fileName, VARIANT type, VARIANT readOnly,
                                         IDispatch** document);

 private:
  IdeDocuments& m_documents;
};

class IdeDocuments : public IdeObject {
 public:
  IdeDocuments(IdeCalls& calls, const IdeConfiguration& configuration, IdeActiveDocument& active);

  // The document of the file, reading it when it is not open yet; null when
  // the file cannot be read. The document becomes the active one.
  IdeDocument* Open(const std::wstring& fileName);
  IdeDocument* Find(const std::wstring& fileName) const;
  const std::vector<std::unique_ptr<IdeDocument>>& All() const { return m_documents; }
  // The name as Find compares it: in the system's lower case.
  static std::wstring FoldedName(const std::wstring& fileName);

 private:
  IdeActiveDocument& m_active;
  IdeDocumentsFace m_dispatch;
  IdeDocumentsFace m_documentsFace;
  IdeDocumentsFace m_alternate;
  std::vector<std::unique_ptr<IdeDocument>> m_documents;
  std::unordered_map<std::wstring, IdeDocument*> m_byName;   // FoldedName to document
};
