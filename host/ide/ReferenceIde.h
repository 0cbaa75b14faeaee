#pragma once
// The reference IDE: a small editor behind the IDE's automation object model.
// Application() is the automation application object that the host hands to
// ZorvoRegCreate. Every call and reference goes to Calls(); Configuration()
// decides which interface identifiers the objects answer. The editor state
// (active document, caret, centring) is there for tests and for a host view.
#include "host/ide/IdeDocuments.h"

class ReferenceIde;

// The IDE's application object as the IDE lays it out.
class IdeApplicationFace : public IdeFace {
 public:
  explicit IdeApplicationFace(ReferenceIde& owner);
  HOST_IDE_SLOT(7) HOST_IDE_SLOT(8) HOST_IDE_SLOT(9) HOST_IDE_SLOT(10) HOST_IDE_SLOT(11)
  HOST_IDE_SLOT(12) HOST_IDE_SLOT(13) HOST_IDE_SLOT(14) HOST_IDE_SLOT(15) HOST_IDE_SLOT(16)
  HOST_IDE_SLOT(17) HOST_IDE_SLOT(18) HOST_IDE_SLOT(19) HOST_IDE_SLOT(20) HOST_IDE_SLOT(21)
  HOST_IDE_SLOT(22) HOST_IDE_SLOT(23) HOST_IDE_SLOT(24) HOST_IDE_SLOT(25)
  virtual HRESULT STDMETHODCALLTYPE GetDocuments(IDispatch** documents);   // 26
  HOST_IDE_SLOT(27) HOST_IDE_SLOT(28) HOST_IDE_SLOT(29) HOST_IDE_SLOT(30) HOST_IDE_SLOT(31)
  HOST_IDE_SLOT(32) HOST_IDE_SLOT(33) HOST_IDE_SLOT(34) HOST_IDE_SLOT(35) HOST_IDE_SLOT(36)
  HOST_IDE_SLOT(37)
  virtual HRESULT STDMETHODCALLTYPE SetActive(VARIANT_BOOL active);        // 38
  HOST_IDE_SLOT(39) HOST_IDE_SLOT(40) HOST_IDE_SLOT(41) HOST_IDE_SLOT(42)
  virtual HRESULT STDMETHODCALLTYPE ExecuteCommand(BSTR command);          // 43

 private:
  ReferenceIde& m_ide;
};

class ReferenceIde : public IdeObject {
 public:
  ReferenceIde();

  // The automation application object (not reference-counted by its users).
  IDispatch* Application() { return &m_application; }
  IdeCalls& Calls() { return m_calls; }
  IdeConfiguration& Configuration() { return m_configuration; }
  IdeDocuments& Documents() { return m_documents; }

  // The window that set active (true) activates, the IDE's main window.
  void SetMainWindow(HWND window) { m_mainWindow = window; }
  bool IsActive() const { return m_active; }

  // The editor: the active document (null before any), its file name and
  // lines, the caret's line (0 without a document).
  IdeDocument* ActiveDocument() const { return m_activeDocument.document; }
  std::wstring ActiveFileName() const;
  // The active document's lines (none without one), not copied: a view
  // reads only the lines it shows.
  const std::vector<std::wstring>& ActiveLines() const;
  int CaretLine() const;
  // Set by "WindowScrollToCenter": the view should centre on this line.
  bool CentreRequested() const { return m_centreRequested; }
  int CentreLine() const { return m_centreLine; }
  void ClearCentreRequest() { m_centreRequested = false; }

  // Runs a named command; false for a command the IDE does not know.
  bool Execute(const std::wstring& command);
  // Activates (true) or deactivates the IDE's main window.
  void Activate(bool active);

 private:
  IdeCalls m_calls;
  IdeConfiguration m_configuration;
  IdeApplicationFace m_application;
  IdeActiveDocument m_activeDocument;
  IdeDocuments m_documents{m_calls, m_configuration, m_activeDocument};
  HWND m_mainWindow = nullptr;
  bool m_active = false;
  bool m_centreRequested = false;
  int m_centreLine = 0;
};
