#include "tests/module/RawHost.h"
#include <utility>

namespace {

template <int N>
HRESULT __stdcall RecordIdeCall(RawObject* self, DWORD argument) {
  self->calls.push_back({N, argument});
  return S_OK;
}

// Workspace positions without arguments; 11 (load project file) takes a
// string by value, one word, which the frame's tests never expect to see.
template <int N>
void __thiscall RecordWorkspaceCall(RawObject* self) {
  self->calls.push_back({N, 0});
}
void __thiscall RecordLoadProjectFile(RawObject* self, DWORD path) { self->calls.push_back({11, path}); }

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

RawObject MakeRawIde() { return RawObject{IdeTable(std::make_integer_sequence<int, 44>()), {}}; }

RawObject MakeRawWorkspace() { return RawObject{WorkspaceTable(std::make_integer_sequence<int, 11>()), {}}; }
