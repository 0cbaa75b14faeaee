#pragma once
// A source tag as the host's tag browser holds it. The module reaches it
// through its table of virtual functions by position (plain member functions:
// object in ECX, the callee removes the arguments), so the order below is
// binding; placeholders hold positions the module never calls. Texts handed
// out stay valid while the tag lives.
#include <windows.h>
#include "fw/String.h"
#include "host/addin/FileEntry.h"

class TagEntry final {
 public:
  // Type codes 0 to 12: Class, Decl, Define, Enum, EnumVal, File, Function,
  // MemVar, NSpace, Struct, Typedef, Union, Variable.
  int typeCode = 0;
  CString name;
  CString fileName;       // a path the IDE can open
  CString searchString;   // the tag's search pattern, e.g. "^int main()$"
  CString parentName;     // the last component of scope
  int line = -1;          // -1: none, find by the search pattern
  CString nameSpace;
  TagEntry* parent = nullptr;   // not owned
  FileEntry* file = nullptr;    // the tag's source file, not owned
  CString scope;          // the qualified parent ("geo::flat::Circle"), empty at file level

  // The host's own reading of the texts above (not through the table).
  const char* Name() const { return name; }
  const char* ParentName() const { return parentName; }
  const char* Scope() const { return scope; }

  virtual int GetTypeCode() { return typeCode; }                       // 0
  virtual void Reserved1() {}
  virtual const char* GetName() { return name; }                       // 2
  virtual const char* GetFileName() { return fileName; }               // 3
  virtual const char* GetSearchString() { return searchString; }       // 4
  virtual void Reserved5() {}
  virtual const char* GetParentName() { return parentName; }           // 6
  virtual int GetLine() { return line; }                               // 7
  virtual void Reserved8() {}
  virtual void Reserved9() {}
  virtual void Reserved10() {}
  virtual const char* GetNamespace() { return nameSpace; }             // 11
  virtual TagEntry* GetParentTag() { return parent; }                  // 12
  virtual void Reserved13() {}
  virtual FileEntry* GetFileObject() { return file; }                  // 14
};
