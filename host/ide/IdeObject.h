#pragma once
// The reference IDE's automation objects: each object shows one face (a
// separate interface pointer, with its own reference count) per interface it
// can answer, so that tests see which interface every call and every
// reference went through. Objects belong to the IDE and live as long as it
// does; a count that falls to zero does not free them.
#include <windows.h>
#include <oaidl.h>
#include <string>
#include <vector>
#include "host/ide/IdeCalls.h"
#include "host/ide/IdeConfiguration.h"

class IdeObject;

// One interface pointer of an object. Derived faces declare the interface's
// positions from 7 on; a position the reference IDE does not implement
// reports the call as "unexpected" and fails it.
class IdeFace : public IDispatch {
 public:
  // iid: the identifier this face answers; IID_IDispatch for the object's
  // IUnknown/IDispatch face (the first face an object registers).
  // No virtual destructor: it would take positions in the interface's table.
  // Faces are members of their objects and never deleted through this class.
  IdeFace(IdeObject& owner, const char* interfaceName, const IID& iid);
  IdeFace(const IdeFace&) = delete;
  IdeFace& operator=(const IdeFace&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  const std::string& InterfaceName() const { return m_interfaceName; }
  const IID& Iid() const { return m_iid; }
  long References() const { return m_references; }
  // "Documents IDocuments": the object and this interface, as the record names them.
  std::string Source() const;

 protected:
  // Reports the call; a result other than S_OK means: return it without doing the work.
  HRESULT Record(int position, const char* operation, const std::string& arguments);
  HRESULT Unexpected(int position);
  IdeObject& m_owner;

 private:
  std::string m_interfaceName;
  IID m_iid;
  long m_references = 0;
};

#define HOST_IDE_SLOT(n) \
  virtual HRESULT STDMETHODCALLTYPE Slot##n() { return Unexpected(n); }

class IdeObject {
 public:
  IdeObject(IdeCalls& calls, const IdeConfiguration& configuration, std::string name);
  virtual ~IdeObject() = default;
  IdeObject(const IdeObject&) = delete;
  IdeObject& operator=(const IdeObject&) = delete;

  const std::string& Name() const { return m_name; }
  IdeCalls& Calls() { return m_calls; }
  const IdeConfiguration& Configuration() const { return m_configuration; }
  // References held on all faces together, or on the one named.
  long LiveReferences() const;
  long LiveReferences(const std::string& interfaceName) const;

  // Used by the faces.
  HRESULT Query(IdeFace& from, REFIID iid, void** object);
  void Referenced(IdeFace& face, bool added, long countAfter);
  // The object's IUnknown/IDispatch face with one reference added.
  IDispatch* NewReference();

 protected:
  void AddFace(IdeFace& face) { m_faces.push_back(&face); }

 private:
  IdeCalls& m_calls;
  const IdeConfiguration& m_configuration;
  std::string m_name;
  std::vector<IdeFace*> m_faces;
};
