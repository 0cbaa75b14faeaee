#pragma once
// ANSI text and integers as the automation values that the IDE's calls take.
#include <windows.h>
#include <oaidl.h>

// A new automation string holding the text (code page CP_ACP), to be freed with
// SysFreeString after the call it is passed to. Null when the allocation fails,
// when the text is null or cannot be converted; automation reads null as empty.
BSTR AnsiToAutomationString(const char* text);

// Clears the variant and makes it a string variant (VT_BSTR) holding the text;
// a null text gives a null string. When the string cannot be allocated the
// variant becomes VT_ERROR with E_OUTOFMEMORY.
void AnsiToStringVariant(VARIANT& variant, const char* text);

// Clear the variant and make it a 16-bit (VT_I2) or 32-bit (VT_I4) integer.
void ShortToVariant(VARIANT& variant, short value);
void LongToVariant(VARIANT& variant, long value);
