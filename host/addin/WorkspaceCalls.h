#pragma once
// Where the host workspace, its file collection and its files report the
// calls that reach them: into the record a test attached, if any, each with
// the state of the temporary project file at that moment (the extra-files
// path followed by ".vcproj"), which the module writes for LoadProjectFile
// and removes afterwards.
#include <string>
#include "fw/String.h"
#include "host/record/CallRecord.h"

class WorkspaceCalls {
 public:
  // The record the calls go to; null (the default): none.
  void Attach(CallRecord* record) { m_record = record; }
  // The project file whose state each call records.
  void SetProjectFilePath(const CString& path) { m_projectFilePath = path; }
  bool Watched() const { return m_record != nullptr; }
  // source: "workspace", "files" or the file's name.
  void Called(const std::string& source, int slot, const char* operation, const std::string& arguments);

 private:
  CallRecord* m_record = nullptr;
  CString m_projectFilePath;
};

// The argument texts of the calls: a string in quotes, a flag as 0 or 1.
std::string QuotedText(const char* text);
inline std::string FlagText(bool value) { return value ? "1" : "0"; }
