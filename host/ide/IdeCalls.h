#pragma once
// Where the reference IDE's objects report what reaches them: every call
// (its interface's position and name, the arguments as text) and every
// AddRef and Release go into the record a test attached, if any, and every
// call then passes the test's hook, which may fail it.
#include <windows.h>
#include <oaidl.h>
#include <functional>
#include <string>
#include "host/record/CallRecord.h"

class IdeCalls {
 public:
  // Runs before a call does its work, with the call's entry. S_OK lets the
  // call go on; any other code makes the call return that code at once,
  // writing no out argument. It may also throw, to send an exception through
  // the caller.
  typedef std::function<HRESULT(const RecordEntry&)> Hook;

  // The record the calls and references go to; null (the default): none.
  void Attach(CallRecord* record) { m_record = record; }
  void SetHook(Hook hook) { m_hook = std::move(hook); }
  // Whether anything takes the reports (a record or a hook).
  bool Watched() const { return m_record || m_hook; }

  // source: the object and the interface the call came through, "Selection 1
  // ITextSelection". Records the call, then runs the hook; the result is the hook's.
  HRESULT Called(const std::string& source, int slot, const char* operation, const std::string& arguments);
  // An AddRef (added) or Release on the interface, with its own count afterwards.
  void Referenced(const std::string& source, bool added, long countAfter);

 private:
  CallRecord* m_record = nullptr;
  Hook m_hook;
};

// Argument text of the IDE's calls.
std::string DescribeString(BSTR text);          // "\"text\"" in UTF-8, or "null"
std::string DescribeVariant(const VARIANT& value);   // "VT_I4 0", "VT_BSTR \"Auto\"", ...
std::string WideToUtf8(const std::wstring& text);
