#include "host/ide/IdeCalls.h"

#include <oleauto.h>

HRESULT IdeCalls::Called(const std::string& source, int slot, const char* operation,
                         const std::string& arguments) {
  RecordEntry entry{source, slot, operation, arguments, Delivery::Call, std::string()};
  if (m_record) m_record->Add(entry);
  return m_hook ? m_hook(entry) : S_OK;
}

void IdeCalls::Referenced(const std::string& source, bool added, long countAfter) {
  if (!m_record) return;
  // IUnknown's positions 1 and 2.
  m_record->Add(RecordEntry{source, added ? 1 : 2, added ? "AddRef" : "Release", std::string(), Delivery::Call,
                            "count " + std::to_string(countAfter)});
}

std::string WideToUtf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string result(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &result[0], size,
                      nullptr, nullptr);
  return result;
}

std::string DescribeString(BSTR text) {
  if (!text) return "null";
  return "\"" + WideToUtf8(std::wstring(text, SysStringLen(text))) + "\"";
}

std::string DescribeVariant(const VARIANT& value) {
  switch (V_VT(&value)) {
    case VT_EMPTY: return "VT_EMPTY";
    case VT_I2: return "VT_I2 " + std::to_string(V_I2(&value));
    case VT_I4: return "VT_I4 " + std::to_string(V_I4(&value));
    case VT_BOOL: return "VT_BOOL " + std::to_string(V_BOOL(&value));
    case VT_BSTR: return "VT_BSTR " + DescribeString(V_BSTR(&value));
    case VT_ERROR: return "VT_ERROR " + std::to_string(V_ERROR(&value));
    default: return "VT " + std::to_string(V_VT(&value));
  }
}
