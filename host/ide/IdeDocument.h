#pragma once
// An open text document of the reference IDE: its file's lines and its
// selection. Answers the generic and text document identifiers as configured.
#include "host/ide/IdeTextSelection.h"

class IdeDocument;

// Which document the IDE's editor shows, null before any. The IDE keeps it;
// the documents collection sets it when it opens a document, a document when
// it is told to be active.
struct IdeActiveDocument {
  IdeDocument* document = nullptr;
};

// IGenericDocument (and its alternate): the reference IDE implements none of
// its operations.
class IdeGenericDocumentFace : public IdeFace {
 public:
  IdeGenericDocumentFace(IdeObject& owner, const char* name, const IID& iid) : IdeFace(owner, name, iid) {}
  HOST_IDE_SLOT(7) HOST_IDE_SLOT(8) HOST_IDE_SLOT(9) HOST_IDE_SLOT(10) HOST_IDE_SLOT(11)
};

// ITextDocument (and its alternate) as the IDE lays it out.
class IdeTextDocumentFace : public IdeFace {
 public:
  IdeTextDocumentFace(IdeDocument& owner, const char* name, const IID& iid);
  HOST_IDE_SLOT(7) HOST_IDE_SLOT(8) HOST_IDE_SLOT(9) HOST_IDE_SLOT(10) HOST_IDE_SLOT(11)
  HOST_IDE_SLOT(12) HOST_IDE_SLOT(13) HOST_IDE_SLOT(14) HOST_IDE_SLOT(15) HOST_IDE_SLOT(16)
  HOST_IDE_SLOT(17)
  virtual HRESULT STDMETHODCALLTYPE SetActive(VARIANT_BOOL active);          // 18
  HOST_IDE_SLOT(19) HOST_IDE_SLOT(20) HOST_IDE_SLOT(21) HOST_IDE_SLOT(22) HOST_IDE_SLOT(23)
  HOST_IDE_SLOT(24) HOST_IDE_SLOT(25) HOST_IDE_SLOT(26) HOST_IDE_SLOT(27) HOST_IDE_SLOT(28)
  HOST_IDE_SLOT(29) HOST_IDE_SLOT(30) HOST_IDE_SLOT(31) HOST_IDE_SLOT(32) HOST_IDE_SLOT(33)
  HOST_IDE_SLOT(34) HOST_IDE_SLOT(35)
  virtual HRESULT STDMETHODCALLTYPE GetSelection(IDispatch** selection);     // 36

 private:
  IdeDocument& m_document;
};

class IdeDocument : public IdeObject {
 public:
  // lines: the file's text (none reads as one empty line).
  IdeDocument(IdeCalls& calls, const IdeConfiguration& configuration, IdeActiveDocument& active,
              std::string name, std::wstring fileName, std::vector<std::wstring> lines);

  const std::wstring& FileName() const { return m_fileName; }
  const std::vector<std::wstring>& Lines() const { return m_lines; }
  IdeTextSelection& Selection() { return m_selection; }
  const IdeTextSelection& Selection() const { return m_selection; }
  // Makes this the document the editor shows.
  void Activate() { m_active.document = this; }

 private:
  IdeActiveDocument& m_active;
  std::wstring m_fileName;
  std::vector<std::wstring> m_lines;
  IdeTextDocumentFace m_dispatch;
  IdeGenericDocumentFace m_generic;
  IdeGenericDocumentFace m_genericAlternate;
  IdeTextDocumentFace m_text;
  IdeTextDocumentFace m_textAlternate;
  IdeTextSelection m_selection;
};
