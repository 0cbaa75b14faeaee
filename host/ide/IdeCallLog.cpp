#include "host/ide/IdeCallLog.h"

#include <oleauto.h>

std::string IdeCall::Text() const {
  return object + " " + interfaceName + " " + std::to_string(position) + " (" + arguments + ")";
}

HRESULT IdeCallLog::RecordCall(const std::string& object, const std::string& interfaceName,
                               int position, const std::string& arguments) {
  m_calls.push_back(IdeCall{object, interfaceName, position, arguments});
  if (!m_hook) return S_OK;
  IdeCall call = m_calls.back();   // the hook may clear the log
  return m_hook(call);
}

void IdeCallLog::RecordReference(const std::string& object, const std::string& interfaceName,
                                 bool added, long countAfter) {
  m_references.push_back(IdeReferenceEvent{object, interfaceName, added, countAfter});
}

std::vector<std::string> IdeCallLog::Releases() const {
  std::vector<std::string> releases;
  for (const IdeReferenceEvent& event : m_references) {
    if (!event.added) releases.push_back("Release " + event.object + " " + event.interfaceName);
  }
  return releases;
}

void IdeCallLog::Clear() {
  m_calls.clear();
  m_references.clear();
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
