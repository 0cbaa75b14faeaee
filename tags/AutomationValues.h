#pragma once
// Automation arguments that free themselves when the call they were built for
// is over, also when an exception passes through it.
#include "tags/AutomationText.h"

// An automation string owned until the end of the scope (SysFreeString).
class ScopedAutomationString {
 public:
  explicit ScopedAutomationString(const char* text) : m_string(AnsiToAutomationString(text)) {}
  ~ScopedAutomationString() { SysFreeString(m_string); }
  ScopedAutomationString(const ScopedAutomationString&) = delete;
  ScopedAutomationString& operator=(const ScopedAutomationString&) = delete;
  BSTR get() const { return m_string; }

 private:
  BSTR m_string;
};

// A variant cleared at the end of the scope (VariantClear).
class ScopedVariant {
 public:
  ScopedVariant() { VariantInit(&m_variant); }
  ~ScopedVariant() { VariantClear(&m_variant); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;
  VARIANT& get() { return m_variant; }

 private:
  VARIANT m_variant;
};
