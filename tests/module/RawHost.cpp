#include "tests/module/RawHost.h"
#include <utility>

namespace {

// The names of the positions the module may call; "?" for the others.
const char* IdeOperation(int position) {
  switch (position) {
    case 26: return "GetDocuments";
    case 38: return "SetActive";
    case 43: return "ExecuteCommand";
  }
  return "?";
}

const char* WorkspaceOperation(int position) {
  switch (position) {
    case 1: return "GetWorkspaceFiles";
    case 6: return "GetExtraFilesPath";
    case 11: return "LoadProjectFile";
  }
  return "?";
}

void Called(const RawObject* self, int position, const char* operation, std::string arguments) {
  TheRecord().Add(RecordEntry{self->label, position, operation, std::move(arguments), Delivery::Call, ""});
}

template <int N>
HRESULT __stdcall RecordIdeCall(RawObject* self, DWORD argument) {
  const bool variantBool = N == 38;
  Called(self, N, IdeOperation(N),
         std::to_string(variantBool ? static_cast<short>(argument & 0xFFFF) : static_cast<long long>(argument)));
  return S_OK;
}

// Workspace positions without arguments; 11 (load project file) takes a
// string by value, one word, which the frame's tests never expect to see.
template <int N>
void __thiscall RecordWorkspaceCall(RawObject* self) {
  Called(self, N, WorkspaceOperation(N), "");
}
void __thiscall RecordLoadProjectFile(RawObject* self, DWORD) { Called(self, 11, WorkspaceOperation(11), "string"); }

template <int... N>
const void* const* IdeTable(std::integer_sequence<int, N...>) {
  static const void* const table[] = {reinterpret_cast<const void*>(&RecordIdeCall<N>)...};
  return table;
}

template <int... N>
const void* const* WorkspaceTable(std::integer_sequence<int, N...>) {
  static const void* const table[] = {reinterpret_cast<const void*>(&RecordWorkspaceCall<N>)...,
                                      reinterpret_cast<const void*>(&RecordLoadProjectFile)};
  return table;
}

}  // namespace

RawObject MakeRawIde() { return RawObject{IdeTable(std::make_integer_sequence<int, 44>()), "ide"}; }

RawObject MakeRawWorkspace() { return RawObject{WorkspaceTable(std::make_integer_sequence<int, 11>()), "workspace"}; }
