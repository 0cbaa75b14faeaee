#include "host/ide/IdeObject.h"

#include <cstdio>

namespace {

std::string DescribeIid(const IID& iid) {
  char text[40];
  std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned long>(iid.Data1), iid.Data2, iid.Data3, iid.Data4[0],
                iid.Data4[1], iid.Data4[2], iid.Data4[3], iid.Data4[4], iid.Data4[5], iid.Data4[6],
                iid.Data4[7]);
  return text;
}

}  // namespace

IdeFace::IdeFace(IdeObject& owner, const char* interfaceName, const IID& iid)
    : m_owner(owner), m_interfaceName(interfaceName), m_iid(iid) {}

HRESULT STDMETHODCALLTYPE IdeFace::QueryInterface(REFIID iid, void** object) {
  return m_owner.Query(*this, iid, object);
}

ULONG STDMETHODCALLTYPE IdeFace::AddRef() {
  ++m_references;
  m_owner.Referenced(*this, true, m_references);
  return static_cast<ULONG>(m_owner.LiveReferences());
}

ULONG STDMETHODCALLTYPE IdeFace::Release() {
  // An extra release shows as a negative count rather than being hidden.
  --m_references;
  m_owner.Referenced(*this, false, m_references);
  return static_cast<ULONG>(m_owner.LiveReferences());
}

std::string IdeFace::Source() const { return m_owner.Name() + " " + m_interfaceName; }

HRESULT IdeFace::Record(int position, const char* operation, const std::string& arguments) {
  if (!m_owner.Calls().Watched()) return S_OK;
  return m_owner.Calls().Called(Source(), position, operation, arguments);
}

HRESULT IdeFace::Unexpected(int position) {
  Record(position, "unexpected", "");
  return E_NOTIMPL;
}

IdeObject::IdeObject(IdeCalls& calls, const IdeConfiguration& configuration, std::string name)
    : m_calls(calls), m_configuration(configuration), m_name(std::move(name)) {}

long IdeObject::LiveReferences() const {
  long total = 0;
  for (const IdeFace* face : m_faces) total += face->References();
  return total;
}

long IdeObject::LiveReferences(const std::string& interfaceName) const {
  for (const IdeFace* face : m_faces) {
    if (face->InterfaceName() == interfaceName) return face->References();
  }
  return 0;
}

HRESULT IdeObject::Query(IdeFace& from, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  IdeFace* answer = nullptr;
  if (m_configuration.Answers(iid) && !m_faces.empty()) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      answer = m_faces.front();
    } else {
      for (IdeFace* face : m_faces) {
        if (IsEqualIID(face->Iid(), iid)) answer = face;
      }
    }
  }
  if (m_calls.Watched()) {   // a query is reported, never failed by the hook
    std::string result = answer ? answer->InterfaceName() : std::string("E_NOINTERFACE");
    m_calls.Called(from.Source(), 0, "QueryInterface", DescribeIid(iid) + " -> " + result);
  }
  if (!answer) return E_NOINTERFACE;
  answer->AddRef();
  *object = static_cast<IDispatch*>(answer);
  return S_OK;
}

void IdeObject::Referenced(IdeFace& face, bool added, long countAfter) {
  if (m_calls.Watched()) m_calls.Referenced(face.Source(), added, countAfter);
}

IDispatch* IdeObject::NewReference() {
  IdeFace* face = m_faces.front();
  face->AddRef();
  return face;
}
