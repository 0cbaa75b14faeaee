#pragma once
// The IDE automation interfaces held for one jump to a tag. Created from the
// host IDE application (not owned: no reference is taken on it), it reaches the
// documents collection, then the opened document's interfaces and its text
// selection. Each field holds one reference or is null; the context ends when
// the object is destroyed, on every path out of the jump, exceptions included.
#include "tags/IdeInterfaces.h"

class IdeApplication;

class AutomationContext {
 public:
  // Sets every field to null, then acquires the documents interfaces.
  explicit AutomationContext(IdeApplication* application);
  ~AutomationContext();   // End()
  AutomationContext(const AutomationContext&) = delete;
  AutomationContext& operator=(const AutomationContext&) = delete;

  // Fields 8, 9, 10 from the application's documents collection.
  void AcquireDocuments();
  // Fields 2 to 5 from the opened document, then activates the text document.
  void AcquireDocumentInterfaces();
  // Fields 6 and 7 from the text document.
  void AcquireSelection();
  // Releases fields 10 down to 1, each held one once; the fields become null.
  void End();

  // The documents interface to open files through: the IDE's own, else the alternate.
  ide::IDocuments* Documents() const { return m_documents ? m_documents : m_documentsAlternate; }
  // Empties the document field and hands it out as the open call's out argument.
  IDispatch** EmptiedDocumentField();
  IDispatch* Document() const { return m_document; }
  // The text document interface to call: the IDE's own, else the alternate.
  ide::ITextDocument* TextDocument() const {
    return m_textDocument ? m_textDocument : m_textDocumentAlternate;
  }
  ide::ITextSelection* Selection() const { return m_textSelection; }

 private:
  IdeApplication* m_application;
  // The ten fields, in the order they are released backwards.
  IDispatch* m_document = nullptr;                                   // 1
  ide::IGenericDocument* m_genericDocument = nullptr;                // 2
  ide::IGenericDocumentAlternate* m_genericDocumentAlternate = nullptr;   // 3
  ide::ITextDocument* m_textDocument = nullptr;                      // 4
  ide::ITextDocumentAlternate* m_textDocumentAlternate = nullptr;    // 5
  IDispatch* m_selectionObject = nullptr;                            // 6
  ide::ITextSelection* m_textSelection = nullptr;                    // 7
  IDispatch* m_documentsObject = nullptr;                            // 8
  ide::IDocuments* m_documents = nullptr;                            // 9
  ide::IDocumentsAlternate* m_documentsAlternate = nullptr;          // 10
};
