#include "tags/AutomationContext.h"

#include "module/HostInterfaces.h"

namespace {

// Releases the field's reference, if any, and leaves it null.
template <class Interface>
void EmptyField(Interface*& field) {
  Interface* held = field;
  field = nullptr;
  if (held) held->Release();
}

// Replaces the field with the source's answer for the identifier: the old
// pointer is set aside, the field nulled, the source asked only when there is
// one, and the old pointer released afterwards. A refused query leaves null.
template <class Interface>
void QueryIntoField(IUnknown* source, const IID& iid, Interface*& field) {
  Interface* old = field;
  field = nullptr;
  if (source) source->QueryInterface(iid, reinterpret_cast<void**>(&field));
  if (old) old->Release();
}

}  // namespace

AutomationContext::AutomationContext(IdeApplication* application) : m_application(application) {
  AcquireDocuments();
}

AutomationContext::~AutomationContext() { End(); }

void AutomationContext::AcquireDocuments() {
  EmptyField(m_selectionObject);
  EmptyField(m_textSelection);
  EmptyField(m_document);
  EmptyField(m_textDocument);
  EmptyField(m_textDocumentAlternate);
  EmptyField(m_documentsObject);
  EmptyField(m_documents);
  EmptyField(m_documentsAlternate);
  if (m_application) m_application->GetDocuments(&m_documentsObject);
  QueryIntoField(m_documentsObject, ide::IID_IDocuments, m_documents);
  QueryIntoField(m_documentsObject, ide::IID_IDocumentsAlternate, m_documentsAlternate);
}

IDispatch** AutomationContext::EmptiedDocumentField() {
  EmptyField(m_document);
  return &m_document;
}

void AutomationContext::AcquireDocumentInterfaces() {
  QueryIntoField(m_document, ide::IID_IGenericDocument, m_genericDocument);
  QueryIntoField(m_document, ide::IID_IGenericDocumentAlternate, m_genericDocumentAlternate);
  QueryIntoField(m_document, ide::IID_ITextDocument, m_textDocument);
  QueryIntoField(m_document, ide::IID_ITextDocumentAlternate, m_textDocumentAlternate);
  if (ide::ITextDocument* text = TextDocument()) text->SetActive(VARIANT_TRUE);
}

void AutomationContext::AcquireSelection() {
  EmptyField(m_selectionObject);
  if (ide::ITextDocument* text = TextDocument()) text->GetSelection(&m_selectionObject);
  QueryIntoField(m_selectionObject, ide::IID_ITextSelection, m_textSelection);
}

void AutomationContext::End() {
  EmptyField(m_documentsAlternate);
  EmptyField(m_documents);
  EmptyField(m_documentsObject);
  EmptyField(m_textSelection);
  EmptyField(m_selectionObject);
  EmptyField(m_textDocumentAlternate);
  EmptyField(m_textDocument);
  EmptyField(m_genericDocumentAlternate);
  EmptyField(m_genericDocument);
  EmptyField(m_document);
}
