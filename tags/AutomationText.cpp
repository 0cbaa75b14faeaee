#include "tags/AutomationText.h"

#include <vector>

BSTR AnsiToAutomationString(const char* text) {
  if (!text) return nullptr;
  // Wide characters for the whole text, terminator included.
  int needed = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (needed <= 0) return nullptr;
  BSTR result = SysAllocStringLen(nullptr, needed - 1);
  if (result) MultiByteToWideChar(CP_ACP, 0, text, -1, result, needed);
  return result;
}

void AnsiToStringVariant(VARIANT& variant, const char* text) {
  VariantClear(&variant);
  V_VT(&variant) = VT_BSTR;
  V_BSTR(&variant) = nullptr;
  if (!text) return;
  // An ANSI character never becomes more than one wide character.
  int room = lstrlenA(text) + 1;
  std::vector<WCHAR> wide(room, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), room);
  V_BSTR(&variant) = SysAllocString(wide.data());
  if (!V_BSTR(&variant)) {
    V_VT(&variant) = VT_ERROR;
    V_ERROR(&variant) = E_OUTOFMEMORY;
  }
}

void ShortToVariant(VARIANT& variant, short value) {
  VariantClear(&variant);
  V_VT(&variant) = VT_I2;
  V_I2(&variant) = value;
}

void LongToVariant(VARIANT& variant, long value) {
  VariantClear(&variant);
  V_VT(&variant) = VT_I4;
  V_I4(&variant) = value;
}
