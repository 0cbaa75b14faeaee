#pragma once
// What the reference IDE's automation objects received, in order: every call
// (object, interface, position, arguments as text) and every AddRef/Release.
#include <windows.h>
#include <oaidl.h>
#include <functional>
#include <string>
#include <vector>

struct IdeCall {
  std::string object;          // "Application", "Documents", "Document 1", "Selection 1"
  std::string interfaceName;   // the interface the call came through
  int position;                // in the interface's table of virtual functions
  std::string arguments;       // e.g. "\"a.cpp\", VT_BSTR \"Auto\", VT_I2 0"
  std::string Text() const;    // "Documents IDocuments 15 (...)"
};

struct IdeReferenceEvent {
  std::string object;
  std::string interfaceName;
  bool added;          // AddRef (true) or Release (false)
  long countAfter;     // the interface's own count afterwards
};

class IdeCallLog {
 public:
  // Runs before a call does its work. S_OK lets the call go on; any other code
  // makes the call return that code at once, writing no out argument. It may
  // also throw, to send an exception through the caller.
  typedef std::function<HRESULT(const IdeCall&)> Hook;

  // Records the call, then runs the hook; the result is the hook's.
  HRESULT RecordCall(const std::string& object, const std::string& interfaceName, int position,
                     const std::string& arguments);
  void RecordReference(const std::string& object, const std::string& interfaceName, bool added,
                       long countAfter);

  const std::vector<IdeCall>& Calls() const { return m_calls; }
  const std::vector<IdeReferenceEvent>& References() const { return m_references; }
  // "Release Document 1 ITextDocument" for each release, in order.
  std::vector<std::string> Releases() const;
  void Clear();
  void SetHook(Hook hook) { m_hook = std::move(hook); }

 private:
  std::vector<IdeCall> m_calls;
  std::vector<IdeReferenceEvent> m_references;
  Hook m_hook;
};

// Argument text of the IDE's calls.
std::string DescribeString(BSTR text);          // "\"text\"" in UTF-8, or "null"
std::string DescribeVariant(const VARIANT& value);   // "VT_I4 0", "VT_BSTR \"Auto\"", ...
std::string WideToUtf8(const std::wstring& text);
