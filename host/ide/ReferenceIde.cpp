#include "host/ide/ReferenceIde.h"

#include <oleauto.h>

IdeApplicationFace::IdeApplicationFace(ReferenceIde& owner)
    : IdeFace(owner, "IdeApplication", IID_IDispatch), m_ide(owner) {}

HRESULT STDMETHODCALLTYPE IdeApplicationFace::GetDocuments(IDispatch** documents) {
  HRESULT hook = Record(26, "GetDocuments", "out");
  if (hook != S_OK) return hook;
  if (!documents) return E_POINTER;
  if (!m_ide.Configuration().documentsAvailable) {
    *documents = nullptr;
    return E_FAIL;
  }
  *documents = m_ide.Documents().NewReference();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE IdeApplicationFace::SetActive(VARIANT_BOOL active) {
  HRESULT hook = Record(38, "SetActive", std::to_string(active));
  if (hook != S_OK) return hook;
  m_ide.Activate(active != VARIANT_FALSE);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE IdeApplicationFace::ExecuteCommand(BSTR command) {
  HRESULT hook = Record(43, "ExecuteCommand", DescribeString(command));
  if (hook != S_OK) return hook;
  std::wstring name = command ? std::wstring(command, SysStringLen(command)) : std::wstring();
  return m_ide.Execute(name) ? S_OK : E_INVALIDARG;
}

// The application is its own object with one face, the one handed out.
ReferenceIde::ReferenceIde()
    : IdeObject(m_calls, m_configuration, "Application"), m_application(*this) {
  AddFace(m_application);
}

std::wstring ReferenceIde::ActiveFileName() const {
  return m_activeDocument.document ? m_activeDocument.document->FileName() : std::wstring();
}

const std::vector<std::wstring>& ReferenceIde::ActiveLines() const {
  static const std::vector<std::wstring> none;
  return m_activeDocument.document ? m_activeDocument.document->Lines() : none;
}

int ReferenceIde::CaretLine() const {
  return m_activeDocument.document ? m_activeDocument.document->Selection().Caret().line : 0;
}

bool ReferenceIde::Execute(const std::wstring& command) {
  if (command == L"WindowScrollToCenter") {
    m_centreRequested = true;
    m_centreLine = CaretLine();
    return true;
  }
  return false;
}

void ReferenceIde::Activate(bool active) {
  m_active = active;
  if (active && m_mainWindow) {
    SetForegroundWindow(m_mainWindow);
    SetActiveWindow(m_mainWindow);
  }
}
