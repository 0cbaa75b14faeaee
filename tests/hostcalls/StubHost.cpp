#include "tests/hostcalls/StubHost.h"
#include <cstdio>
#include <map>
#include <set>
#include <utility>
#include "tests/hostcalls/CallGate.h"

namespace {

std::set<const StubObject*>& LiveObjects() {
  static std::set<const StubObject*> objects;
  return objects;
}

// The object of that kind at address p, found without reading through p.
StubObject* Live(const void* p, HostKind kind) {
  auto found = LiveObjects().find(static_cast<const StubObject*>(p));
  if (found == LiveObjects().end() || (*found)->kind != kind) return nullptr;
  return const_cast<StubObject*>(*found);
}

enum class Argument { None, Word, Flag, String };

template <class T>
T& As(StubObject* object) { return *static_cast<T*>(object); }
DWORD Address(const void* p) { return reinterpret_cast<DWORD>(p); }

CString ReadWholeFile(const char* path) {
  CString text;
  if (FILE* file = std::fopen(path, "rb")) {
    char chunk[512];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text += CString(chunk, static_cast<int>(got));
    std::fclose(file);
  }
  return text;
}

StubWorkspaceFile* FindByName(const StubWorkspaceFiles& files, const CString& name) {
  for (StubWorkspaceFile* file : files.files)
    if (file->name == name) return file;
  return nullptr;
}

// What precedes a CString's characters: three 32-bit words.
struct StringHeader {
  long references;
  int length;
  int capacity;
};

// A bool result is one byte: the rest of EAX carries noise the caller must ignore.
DWORD OneByte(bool value) { return 0x5A5A5A00u | (value ? 1u : 0u); }

using Run = DWORD (*)(StubObject* object, DWORD word, const CString& text);

// Every operation the module may call, with its one stack argument if any.
struct Operation {
  HostKind kind;
  int position;
  const char* name;
  Argument argument;
  Run run;
};

const Operation kOperations[] = {
    {HostKind::Workspace, 1, "GetWorkspaceFiles", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return Address(As<StubWorkspace>(o).files); }},
    {HostKind::Workspace, 6, "GetExtraFilesPath", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return Address(&As<StubWorkspace>(o).extraFilesPath); }},
    {HostKind::Workspace, 11, "LoadProjectFile", Argument::String,
     [](StubObject* o, DWORD, const CString& path) {
       As<StubWorkspace>(o).projectFileText = ReadWholeFile(path);
       return DWORD(0);
     }},
    {HostKind::WorkspaceFiles, 2, "FindFile", Argument::String,
     [](StubObject* o, DWORD, const CString& name) { return Address(FindByName(As<StubWorkspaceFiles>(o), name)); }},
    {HostKind::WorkspaceFile, 1, "GetFirstFlag", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return OneByte(As<StubWorkspaceFile>(o).firstFlag); }},
    {HostKind::WorkspaceFile, 6, "SetFirstFlag", Argument::Flag,
     [](StubObject* o, DWORD flag, const CString&) {
       As<StubWorkspaceFile>(o).firstFlag = (flag & 0xFF) != 0;
       return DWORD(0);
     }},
    {HostKind::WorkspaceFile, 8, "SetSecondFlag", Argument::Flag,
     [](StubObject* o, DWORD flag, const CString&) {
       As<StubWorkspaceFile>(o).secondFlag = (flag & 0xFF) != 0;
       return DWORD(0);
     }},
    {HostKind::FileCollection, 1, "GetFileAt", Argument::Word,
     [](StubObject* o, DWORD position, const CString&) {
       const auto& files = As<StubFileCollection>(o).files;
       return position < files.size() ? Address(files[position]) : 0;
     }},
    {HostKind::File, 6, "GetBareName", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return Address(&As<StubFile>(o).bareName); }},
    {HostKind::File, 7, "GetExtension", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return Address(&As<StubFile>(o).extension); }},
    {HostKind::File, 8, "GetPathText", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return Address(&As<StubFile>(o).pathText); }},
    {HostKind::Tag, 0, "GetTypeCode", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return DWORD(As<StubTag>(o).typeCode); }},
    {HostKind::Tag, 2, "GetName", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return Address(static_cast<const char*>(As<StubTag>(o).name)); }},
    {HostKind::Tag, 3, "GetFileName", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return Address(static_cast<const char*>(As<StubTag>(o).fileName)); }},
    {HostKind::Tag, 4, "GetSearchString", Argument::None,
     [](StubObject* o, DWORD, const CString&) {
       return Address(static_cast<const char*>(As<StubTag>(o).searchString));
     }},
    {HostKind::Tag, 6, "GetParentName", Argument::None,
     [](StubObject* o, DWORD, const CString&) {
       return Address(static_cast<const char*>(As<StubTag>(o).parentName));
     }},
    {HostKind::Tag, 7, "GetLine", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return DWORD(As<StubTag>(o).line); }},
    {HostKind::Tag, 11, "GetNamespace", Argument::None,
     [](StubObject* o, DWORD, const CString&) {
       return Address(static_cast<const char*>(As<StubTag>(o).nameSpace));
     }},
    {HostKind::Tag, 12, "GetParentTag", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return Address(As<StubTag>(o).parent); }},
    {HostKind::Tag, 14, "GetFileObject", Argument::None,
     [](StubObject* o, DWORD, const CString&) { return Address(As<StubTag>(o).file); }},
};

const Operation* FindOperation(HostKind kind, int position) {
  for (const Operation& operation : kOperations)
    if (operation.kind == kind && operation.position == position) return &operation;
  return nullptr;
}

const char* const kKindNames[] = {"workspace", "files", "workspace file", "collection", "file", "tag"};

// The call as the record names it: the object as ECX held it, "pushed ..."
// when it came on the stack, "no object ..." when neither had it; the
// operation's argument as the callee reads it.
RecordEntry Entry(const HostCall& call) {
  RecordEntry entry;
  if (!call.object)
    entry.source = std::string("no object ") + kKindNames[static_cast<int>(call.kind)];
  else
    entry.source = (call.objectInEcx ? "" : "pushed ") + call.object->label;
  entry.slot = call.position;
  const Operation* operation = FindOperation(call.kind, call.position);
  entry.operation = operation ? operation->name : "?";
  if (!operation) {
    entry.arguments = "?";
  } else if (operation->argument == Argument::Word) {
    entry.arguments = std::to_string(call.arguments[0]);
  } else if (operation->argument == Argument::Flag) {
    entry.arguments = std::to_string(call.arguments[0] & 0xFF);
  } else if (operation->argument == Argument::String) {
    entry.arguments = "\"" + std::string(call.text) + "\"";
  }
  return entry;
}

}  // namespace

StubObject::StubObject(HostKind kind, const char* label)
    : table(HostOperationTable(static_cast<int>(kind))), kind(kind), label(label) {
  LiveObjects().insert(this);
}

StubObject::~StubObject() { LiveObjects().erase(this); }

std::vector<HostCall>& HostCalls() {
  static std::vector<HostCall> calls;
  return calls;
}

void ClearHostCalls() {
  HostCalls().clear();
  TheRecord().Clear();
}

extern "C" DWORD HostCallArrived(unsigned thunk, void* ecx, const DWORD* stack, DWORD* popBytes) {
  HostCall call;
  call.kind = static_cast<HostKind>(thunk / kPositionsPerTable);
  call.position = static_cast<int>(thunk % kPositionsPerTable);
  call.returnAddress = stack[-1];
  call.esp = reinterpret_cast<DWORD>(stack - 1);
  call.checkedCall = CheckedCallSerial();

  StubObject* object = Live(ecx, call.kind);
  call.objectInEcx = object != nullptr;
  if (!object) {
    // A caller that pushed the object as a first stack argument: take it from
    // there and remove that word as well, so that such a caller fails the
    // checks on this call instead of crashing further on.
    object = Live(reinterpret_cast<const void*>(stack[0]), call.kind);
    if (object) {
      ++stack;
      *popBytes += 4;
    }
  }
  call.object = object;

  DWORD result = 0;
  if (const Operation* operation = FindOperation(call.kind, call.position)) {
    if (operation->argument != Argument::None) {
      call.arguments.push_back(stack[0]);
      *popBytes += 4;
    }
    // The callee owns a string passed by value: its count as it came (the
    // caller's reference included), then adopted and released with the record.
    if (operation->argument == Argument::String) {
      char* characters = reinterpret_cast<char*>(stack[0]);
      const StringHeader& header = reinterpret_cast<const StringHeader*>(characters)[-1];
      call.textReferences = header.references;
      call.textLength = header.length;
      call.text = CString::Adopt(CStringArg{characters});
    }
    if (object) result = operation->run(object, call.arguments.empty() ? 0 : call.arguments[0], call.text);
  }
  HostCalls().push_back(call);
  TheRecord().Add(Entry(call));
  return result;
}

std::vector<std::string> UnsteadyCallSites() {
  std::map<std::pair<int, DWORD>, DWORD> firstEsp;   // (checked call, return address) -> ESP
  std::vector<std::string> sites;
  for (const HostCall& call : HostCalls()) {
    auto inserted = firstEsp.insert({{call.checkedCall, call.returnAddress}, call.esp});
    if (inserted.second || inserted.first->second == call.esp) continue;
    const std::string site = (call.object ? call.object->label : "?") + "." + std::to_string(call.position);
    bool known = false;
    for (const std::string& s : sites) known = known || s == site;
    if (!known) sites.push_back(site);
  }
  return sites;
}
