#include "tests/module/RawHost.h"
#include <utility>

namespace {

template <int N>
HRESULT __stdcall RecordCall(RawObject* self, DWORD argument) {
  self->calls.push_back({N, argument});
  return S_OK;
}

template <int... N>
const void* const* MakeTable(std::integer_sequence<int, N...>) {
  static const void* const table[] = {reinterpret_cast<const void*>(&RecordCall<N>)...};
  return table;
}

}  // namespace

RawObject MakeRawIde() { return RawObject{MakeTable(std::make_integer_sequence<int, 44>()), {}}; }

RawObject MakeRawWorkspace() { return RawObject{MakeTable(std::make_integer_sequence<int, 12>()), {}}; }
