#pragma once
// A source tag as the host's tag browser holds it. The module reaches it
// through its table of virtual functions by position (__stdcall), so the
// order below is binding; placeholders hold positions the module never calls.
// Texts handed out stay valid while the tag lives.
#include <windows.h>
#include "fw/String.h"
#include "host/objects/FileEntry.h"

class TagEntry final {
 public:
  // Type codes 0 to 12: Class, Decl, Define, Enum, EnumVal, File, Function,
  // MemVar, NSpace, Struct, Typedef, Union, Variable.
  int typeCode = 0;
  CString name;
  CString fileName;       // a path the IDE can open
  CString searchString;   // the tag's search pattern, e.g. "^int main()$"
  CString parentName;
  int line = -1;          // -1: none, find by the search pattern
  CString nameSpace;
  TagEntry* parent = nullptr;   // not owned
  FileEntry* file = nullptr;    // the tag's source file, not owned

  virtual int HOST_CALL GetTypeCode() { return typeCode; }                          // 0
  virtual void HOST_CALL Reserved1() {}
  virtual const char* HOST_CALL GetName() { return name; }                          // 2
  virtual const char* HOST_CALL GetFileName() { return fileName; }                  // 3
  virtual const char* HOST_CALL GetSearchString() { return searchString; }          // 4
  virtual void HOST_CALL Reserved5() {}
  virtual const char* HOST_CALL GetParentName() { return parentName; }              // 6
  virtual int HOST_CALL GetLine() { return line; }                                  // 7
  virtual void HOST_CALL Reserved8() {}
  virtual void HOST_CALL Reserved9() {}
  virtual void HOST_CALL Reserved10() {}
  virtual const char* HOST_CALL GetNamespace() { return nameSpace; }                // 11
  virtual TagEntry* HOST_CALL GetParentTag() { return parent; }                     // 12
  virtual void HOST_CALL Reserved13() {}
  virtual FileEntry* HOST_CALL GetFileObject() { return file; }                     // 14
};
