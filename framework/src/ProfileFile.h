#pragma once
// The profile store's file: an INI-style text file of sections and key=value
// lines, read whole and written whole. Values are CStrings, so a value read
// out of it shares its characters instead of copying them.
#include <windows.h>
#include <string>
#include <vector>

#include "ProfileStamp.h"
#include "fw/String.h"

namespace fw {

class ProfileFile {
 public:
  // Reads path; stamp is the read file's (taken from the handle it was read
  // through). A missing file reads as empty (true); false when the file
  // exists but cannot be read, so that a writer never mistakes it for empty.
  bool Load(const std::string& path, ProfileStamp& stamp);
  // Replaces path by the current content: a temporary file in the same folder
  // is written and flushed, then moved over path in one step. stamp is the
  // new file's, taken from the temporary file before the move, so that it
  // belongs to this content whatever another program does to path afterwards.
  bool Save(const std::string& path, ProfileStamp& stamp) const;

  // The value of section/key; null when absent.
  const CString* Find(const std::string& section, const std::string& key) const;
  // Sets section/key to value (adding the section and key as needed); false when unchanged.
  bool Set(const std::string& section, const std::string& key, const char* value);
  // Removes a key, or a whole section; false when there was nothing to remove.
  bool RemoveKey(const std::string& section, const std::string& key);
  bool RemoveSection(const std::string& section);

  // The content parsed from a file's text.
  void Parse(const std::string& text);

 private:
  struct Line {
    bool isValue;        // key=value; otherwise a comment kept as written
    std::string key;     // decoded
    CString text;        // value (decoded) or the comment line
  };
  struct Section {
    std::string name;    // decoded
    std::vector<Line> lines;
  };
  Section* FindSection(const std::string& name);
  const Section* FindSection(const std::string& name) const;
  // Writes the file's text to an open file; false when a write failed.
  bool WriteTo(HANDLE file) const;

  std::vector<Line> m_preamble;   // comment lines before the first section
  std::vector<Section> m_sections;
};

// Case-insensitive comparison of section and key names (ASCII letters).
bool ProfileNamesEqual(const std::string& a, const std::string& b);

}  // namespace fw
