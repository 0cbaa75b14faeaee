#pragma once
// Reads a project file of the form the module hands over:
//   <Files>
//   \t<File RelativePath="NAME"/>   (any number of lines)
//   </Files>
// with CR LF or LF line ends. Names are taken exactly as written.
#include <vector>
#include "fw/String.h"

struct ProjectFileContent {
  CString text;                 // every byte of the file
  std::vector<CString> names;   // in file order
  bool wellFormed = false;      // opening and closing lines present, every line understood
};

// False when the file cannot be read.
bool ReadProjectFile(const char* path, ProjectFileContent& content);
