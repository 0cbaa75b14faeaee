#include "host/ide/IdeDocument.h"

#include "host/ide/IdeIdentifiers.h"

namespace {

// "Document 2" has "Selection 2".
std::string SelectionName(const std::string& documentName) {
  size_t space = documentName.find(' ');
  return "Selection" + (space == std::string::npos ? std::string() : documentName.substr(space));
}

}  // namespace

IdeTextDocumentFace::IdeTextDocumentFace(IdeDocument& owner, const char* name, const IID& iid)
    : IdeFace(owner, name, iid), m_document(owner) {}

HRESULT STDMETHODCALLTYPE IdeTextDocumentFace::SetActive(VARIANT_BOOL active) {
  HRESULT hook = Record(18, "SetActive", std::to_string(active));
  if (hook != S_OK) return hook;
  if (active != VARIANT_FALSE) m_document.Activate();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE IdeTextDocumentFace::GetSelection(IDispatch** selection) {
  HRESULT hook = Record(36, "GetSelection", "out");
  if (hook != S_OK) return hook;
  if (!selection) return E_POINTER;
  *selection = m_document.Selection().NewReference();
  return S_OK;
}

IdeDocument::IdeDocument(IdeCalls& calls, const IdeConfiguration& configuration,
                         IdeActiveDocument& active, std::string name, std::wstring fileName,
                         std::vector<std::wstring> lines)
    : IdeObject(calls, configuration, name),
      m_active(active),
      m_fileName(std::move(fileName)),
      m_lines(std::move(lines)),
      m_dispatch(*this, "IDispatch", IID_IDispatch),
      m_generic(*this, "IGenericDocument", hostide::IID_GenericDocument),
      m_genericAlternate(*this, "IGenericDocument(alternate)", hostide::IID_GenericDocumentAlternate),
      m_text(*this, "ITextDocument", hostide::IID_TextDocument),
      m_textAlternate(*this, "ITextDocument(alternate)", hostide::IID_TextDocumentAlternate),
      m_selection(calls, configuration, SelectionName(name), m_lines) {
  // Before the selection is first asked anything.
  if (m_lines.empty()) m_lines.emplace_back();
  AddFace(m_dispatch);
  AddFace(m_generic);
  AddFace(m_genericAlternate);
  AddFace(m_text);
  AddFace(m_textAlternate);
}
