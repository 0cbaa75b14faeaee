// CStdioFile: a text file over CFile. Unless opened with typeBinary, each "\n"
// written becomes CR LF, and ReadString drops a CR LF (or a lone LF) line end.
#include "fw/File.h"

#include <cstring>

namespace {
constexpr unsigned kReadChunk = 512;
}

CStdioFile::CStdioFile() = default;

CStdioFile::CStdioFile(const char* fileName, unsigned openFlags) {
  CFileException error;
  if (!Open(fileName, openFlags, &error))
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

bool CStdioFile::Open(const char* fileName, unsigned openFlags, CFileException* error) {
  m_bText = (openFlags & typeBinary) == 0;
  return CFile::Open(fileName, openFlags & ~(typeText | typeBinary), error);
}

void CStdioFile::WriteString(const char* text) {
  if (text == nullptr) return;
  size_t length = std::strlen(text);
  if (!m_bText) {
    Write(text, static_cast<unsigned>(length));
    return;
  }
  // Written in runs up to each line feed, so the file sees few calls.
  const char* run = text;
  const char* end = text + length;
  while (run < end) {
    const char* lf = static_cast<const char*>(std::memchr(run, '\n', static_cast<size_t>(end - run)));
    if (lf == nullptr) {
      Write(run, static_cast<unsigned>(end - run));
      break;
    }
    Write(run, static_cast<unsigned>(lf - run));
    Write("\r\n", 2);
    run = lf + 1;
  }
}

bool CStdioFile::ReadString(CString& line) {
  line.Empty();
  bool any = false;
  char chunk[kReadChunk];
  for (;;) {
    unsigned read = Read(chunk, kReadChunk);
    if (read == 0) break;
    any = true;
    const char* lf = static_cast<const char*>(std::memchr(chunk, '\n', read));
    if (lf == nullptr) {
      line += CString(chunk, static_cast<int>(read));
      continue;
    }
    unsigned used = static_cast<unsigned>(lf - chunk);
    line += CString(chunk, static_cast<int>(used));
    // Give back what follows the line end, for the next read.
    long long rest = static_cast<long long>(read) - used - 1;
    if (rest > 0) Seek(-rest, current);
    if (m_bText && !line.IsEmpty() && line[line.GetLength() - 1] == '\r')
      line = line.Left(line.GetLength() - 1);
    return true;
  }
  return any;
}
