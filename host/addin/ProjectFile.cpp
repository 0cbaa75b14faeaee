#include "host/addin/ProjectFile.h"
#include <windows.h>
#include <cstring>

namespace {

// Splits text into lines at LF, dropping a CR right before it.
std::vector<CString> Lines(const CString& text) {
  std::vector<CString> lines;
  int start = 0;
  const int length = text.GetLength();
  while (start < length) {
    int end = start;
    while (end < length && text[end] != '\n') ++end;
    int stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.push_back(text.Mid(start, stop - start));
    start = end + 1;
  }
  return lines;
}

// The NAME of "\t<File RelativePath="NAME"/>"; false when the line is not of that form.
bool FileLineName(const CString& line, CString& name) {
  static const char prefix[] = "\t<File RelativePath=\"";
  static const char suffix[] = "\"/>";
  const int prefixLength = static_cast<int>(std::strlen(prefix));
  const int suffixLength = static_cast<int>(std::strlen(suffix));
  if (line.GetLength() < prefixLength + suffixLength) return false;
  if (line.Left(prefixLength) != prefix || line.Right(suffixLength) != suffix) return false;
  name = line.Mid(prefixLength, line.GetLength() - prefixLength - suffixLength);
  return true;
}

}  // namespace

bool ReadProjectFile(const char* path, ProjectFileContent& content) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const DWORD size = GetFileSize(file, nullptr);
  DWORD read = 0;
  bool ok = size != INVALID_FILE_SIZE;
  if (ok && size > 0) {
    ok = ReadFile(file, content.text.GetBufferSetLength(static_cast<int>(size)), size, &read, nullptr) && read == size;
    content.text.ReleaseBuffer(static_cast<int>(read));
  }
  CloseHandle(file);
  if (!ok) return false;

  const std::vector<CString> lines = Lines(content.text);
  content.wellFormed = lines.size() >= 2 && lines.front() == "<Files>" && lines.back() == "</Files>";
  for (size_t i = 1; i + 1 < lines.size(); ++i) {
    CString name;
    if (FileLineName(lines[i], name))
      content.names.push_back(name);
    else
      content.wellFormed = false;
  }
  return true;
}
