#pragma once
// The host's objects as the module calls them: each operation at its position
// in the object's table of virtual functions (counted from 0). The host add-in
// is a C++ program and these are its plain classes, so every operation is a
// C++ member function in the platform's default member convention (thiscall):
// the object pointer in ECX, the arguments on the stack right to left, the
// callee removing them. A CString by value is one pointer on the stack whose
// reference the callee releases (CStringArg); a bool result is one byte (AL).
// Positions the module never calls are held by placeholders. The module never
// takes, releases or frees a reference on any of these objects.
// The IDE's application object is not one of them: it is a COM interface
// (__stdcall, interface pointer pushed first), declared at the end.
#include <windows.h>
#include <oaidl.h>
#include "fw/String.h"

#if defined(__i386__)
#define ZR_HOSTCALL __thiscall
#else
// x64 has one calling convention: the object pointer in RCX, the arguments in
// RDX, R8, R9 and on the stack, the caller removing them.
#define ZR_HOSTCALL
#endif
#define ZR_UNUSED(n) virtual void ZR_HOSTCALL Unused##n() = 0;

class HostWorkspaceFile;
class HostFile;

// A file of the IDE workspace, as the workspace file collection finds it.
class HostWorkspaceFile {
 public:
  ZR_UNUSED(0)
  virtual bool ZR_HOSTCALL GetFirstFlag() = 0;                  // 1: exactly 0 or 1
  ZR_UNUSED(2) ZR_UNUSED(3) ZR_UNUSED(4) ZR_UNUSED(5)
  virtual void ZR_HOSTCALL SetFirstFlag(bool value) = 0;        // 6
  ZR_UNUSED(7)
  virtual void ZR_HOSTCALL SetSecondFlag(bool value) = 0;       // 8
};

// The workspace's files, by name.
class HostWorkspaceFiles {
 public:
  ZR_UNUSED(0) ZR_UNUSED(1)
  // 2: the file of that name, or null; the callee owns (adopts) the string.
  virtual HostWorkspaceFile* ZR_HOSTCALL FindFile(CStringArg name) = 0;
};

// The host add-in's workspace (second argument of ZorvoRegCreate).
class HostWorkspace {
 public:
  ZR_UNUSED(0)
  virtual HostWorkspaceFiles* ZR_HOSTCALL GetWorkspaceFiles() = 0;   // 1: never null
  ZR_UNUSED(2) ZR_UNUSED(3) ZR_UNUSED(4) ZR_UNUSED(5)
  virtual const CString& ZR_HOSTCALL GetExtraFilesPath() = 0;        // 6: host-owned
  ZR_UNUSED(7) ZR_UNUSED(8) ZR_UNUSED(9) ZR_UNUSED(10)
  // 11: reads the project file before returning; the callee owns (adopts) the string.
  virtual void ZR_HOSTCALL LoadProjectFile(CStringArg path) = 0;
};

// A file of the host's file collection, as the file picker shows it.
class HostFile {
 public:
  ZR_UNUSED(0) ZR_UNUSED(1) ZR_UNUSED(2) ZR_UNUSED(3) ZR_UNUSED(4) ZR_UNUSED(5)
  virtual const CString& ZR_HOSTCALL GetBareName() = 0;    // 6: name without extension
  virtual const CString& ZR_HOSTCALL GetExtension() = 0;   // 7: without the dot, may be empty
  virtual const CString& ZR_HOSTCALL GetPathText() = 0;    // 8: the "Path" column
};

class HostFileCollection {
 public:
  ZR_UNUSED(0)
  virtual HostFile* ZR_HOSTCALL GetFileAt(DWORD position) = 0;   // 1: never null
};

// A source tag of the host's tag array.
class HostTag {
 public:
  virtual int ZR_HOSTCALL GetTypeCode() = 0;                 // 0: 0 to 12
  ZR_UNUSED(1)
  virtual const char* ZR_HOSTCALL GetName() = 0;             // 2
  virtual const char* ZR_HOSTCALL GetFileName() = 0;         // 3: a path the IDE can open
  virtual const char* ZR_HOSTCALL GetSearchString() = 0;     // 4
  ZR_UNUSED(5)
  virtual const char* ZR_HOSTCALL GetParentName() = 0;       // 6
  virtual int ZR_HOSTCALL GetLine() = 0;                     // 7: -1 when none
  ZR_UNUSED(8) ZR_UNUSED(9) ZR_UNUSED(10)
  virtual const char* ZR_HOSTCALL GetNamespace() = 0;        // 11: may be empty
  virtual HostTag* ZR_HOSTCALL GetParentTag() = 0;           // 12: or null
  ZR_UNUSED(13)
  virtual HostFile* ZR_HOSTCALL GetFileObject() = 0;         // 14: never null
};

// The IDE's automation application object (first argument of ZorvoRegCreate),
// a COM interface derived from IDispatch (positions 0 to 6).
class IdeApplication : public IDispatch {
 public:
#define ZR_IDE_UNUSED(n) virtual HRESULT STDMETHODCALLTYPE Unused##n() = 0;
  ZR_IDE_UNUSED(7) ZR_IDE_UNUSED(8) ZR_IDE_UNUSED(9) ZR_IDE_UNUSED(10) ZR_IDE_UNUSED(11)
  ZR_IDE_UNUSED(12) ZR_IDE_UNUSED(13) ZR_IDE_UNUSED(14) ZR_IDE_UNUSED(15) ZR_IDE_UNUSED(16)
  ZR_IDE_UNUSED(17) ZR_IDE_UNUSED(18) ZR_IDE_UNUSED(19) ZR_IDE_UNUSED(20) ZR_IDE_UNUSED(21)
  ZR_IDE_UNUSED(22) ZR_IDE_UNUSED(23) ZR_IDE_UNUSED(24) ZR_IDE_UNUSED(25)
  virtual HRESULT STDMETHODCALLTYPE GetDocuments(IDispatch** documents) = 0;   // 26
  ZR_IDE_UNUSED(27) ZR_IDE_UNUSED(28) ZR_IDE_UNUSED(29) ZR_IDE_UNUSED(30) ZR_IDE_UNUSED(31)
  ZR_IDE_UNUSED(32) ZR_IDE_UNUSED(33) ZR_IDE_UNUSED(34) ZR_IDE_UNUSED(35) ZR_IDE_UNUSED(36)
  ZR_IDE_UNUSED(37)
  virtual HRESULT STDMETHODCALLTYPE SetActive(VARIANT_BOOL active) = 0;        // 38
  ZR_IDE_UNUSED(39) ZR_IDE_UNUSED(40) ZR_IDE_UNUSED(41) ZR_IDE_UNUSED(42)
  virtual HRESULT STDMETHODCALLTYPE ExecuteCommand(BSTR command) = 0;          // 43
#undef ZR_IDE_UNUSED
};

#undef ZR_UNUSED
