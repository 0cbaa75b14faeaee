#pragma once
// Host objects made of stubs (CallGate.h) instead of compiled member
// functions, laid out by position from the host's side alone. Every call the
// module makes on them goes into the record, with where the object came from
// (ECX, as a C++ member function receives it, or pushed on the stack), and
// into HostCalls() with the stack pointer at the call. The objects answer from
// their fields.
#include <windows.h>
#include <string>
#include <vector>
#include "fw/String.h"
#include "tests/support/ExpectedSequence.h"

enum class HostKind { Workspace, WorkspaceFiles, WorkspaceFile, FileCollection, File, Tag };

// The first word is the stub table of the object's kind. Live objects are
// registered, so that a stub can tell an object from any other value without
// reading through it.
struct StubObject {
  StubObject(HostKind kind, const char* label);
  ~StubObject();
  StubObject(const StubObject&) = delete;
  StubObject& operator=(const StubObject&) = delete;

  const void* const* table;
  HostKind kind;
  std::string label;   // names the object in the call descriptions
};

struct StubWorkspaceFile : StubObject {
  explicit StubWorkspaceFile(const char* name) : StubObject(HostKind::WorkspaceFile, name), name(name) {}
  CString name;
  bool firstFlag = false;
  bool secondFlag = false;
};

struct StubWorkspaceFiles : StubObject {
  StubWorkspaceFiles() : StubObject(HostKind::WorkspaceFiles, "files") {}
  std::vector<StubWorkspaceFile*> files;   // FindFile compares names exactly
};

struct StubWorkspace : StubObject {
  StubWorkspace() : StubObject(HostKind::Workspace, "workspace") {}
  CString extraFilesPath;
  StubWorkspaceFiles* files = nullptr;
  CString projectFileText;   // what the project file held when LoadProjectFile came
};

struct StubFile : StubObject {
  StubFile(const char* bareName, const char* extension, const char* pathText)
      : StubObject(HostKind::File, bareName), bareName(bareName), extension(extension), pathText(pathText) {}
  CString bareName;
  CString extension;
  CString pathText;
};

struct StubFileCollection : StubObject {
  StubFileCollection() : StubObject(HostKind::FileCollection, "collection") {}
  std::vector<StubFile*> files;
};

struct StubTag : StubObject {
  explicit StubTag(const char* name) : StubObject(HostKind::Tag, name), name(name) {}
  int typeCode = 0;
  CString name;
  CString fileName;
  CString searchString;
  CString parentName;
  int line = -1;
  CString nameSpace;
  StubTag* parent = nullptr;
  StubFile* file = nullptr;
};

// One call as the host object received it, at the machine level. The call's
// entry in the record (TheRecord) says which object, operation and argument;
// this keeps what the convention checks need beside it.
struct HostCall {
  HostKind kind = HostKind::Workspace;
  int position = 0;
  const StubObject* object = nullptr;   // null: neither ECX nor the stack held one
  bool objectInEcx = false;
  std::vector<DWORD> arguments;         // the stack words of the operation
  CString text;                         // a string passed by value, adopted
  long textReferences = 0;              // its header's reference count when it arrived
  int textLength = 0;                   // its header's length when it arrived
  DWORD returnAddress = 0;
  DWORD esp = 0;                        // at the stub: the return address on top
  int checkedCall = 0;                  // CheckedCallSerial() when it came
};

std::vector<HostCall>& HostCalls();
// Empties both HostCalls() and the record, where a test's calls start.
void ClearHostCalls();

// The positions whose calls from one place in the module, within one checked
// call into the module, came with different stack pointers (each entry is
// "label.position"): an operation that leaves the stack other than its caller
// expects shifts the next call from that place.
std::vector<std::string> UnsteadyCallSites();
