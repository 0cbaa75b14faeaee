// CString: comparing, taking parts, searching, changing characters in place
// and formatting. The buffers and their references are String.cpp's.
#include "fw/String.h"

#include <windows.h>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string_view>

// ---- comparison ----------------------------------------------------------------------

int CString::Compare(const char* text) const { return std::strcmp(m_pchData, text ? text : ""); }

int CString::CompareNoCase(const char* text) const {
  return _stricmp(m_pchData, text ? text : "");
}

bool operator==(const CString& a, const CString& b) {
  return a.GetLength() == b.GetLength() &&
         std::memcmp(static_cast<const char*>(a), static_cast<const char*>(b),
                     static_cast<size_t>(a.GetLength())) == 0;
}
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
bool operator!=(const char* a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }

// ---- substrings and searching -----------------------------------------------------------

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  int length = GetLength();
  if (first < 0) first = 0;
  if (first > length) first = length;
  if (count < 0) count = 0;
  if (count > length - first) count = length - first;
  if (first == 0 && count == length) return *this;
  return CString(m_pchData + first, count);
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const {
  int length = GetLength();
  if (count < 0) count = 0;
  if (count > length) count = length;
  return Mid(length - count, count);
}

int CString::Find(char ch, int start) const {
  std::string_view view(m_pchData, static_cast<size_t>(GetLength()));
  if (start < 0) start = 0;
  if (start >= GetLength()) return -1;
  size_t at = view.find(ch, static_cast<size_t>(start));
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* sub, int start) const {
  std::string_view view(m_pchData, static_cast<size_t>(GetLength()));
  if (start < 0) start = 0;
  if (start > GetLength()) return -1;
  size_t at = view.find(sub ? sub : "", static_cast<size_t>(start));
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
  std::string_view view(m_pchData, static_cast<size_t>(GetLength()));
  size_t at = view.rfind(ch);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// ---- changes in place ----------------------------------------------------------------------

void CString::MakeLower() {
  if (IsEmpty()) return;
  CopyBeforeWrite();
  CharLowerBuffA(m_pchData, static_cast<DWORD>(GetLength()));
}

void CString::MakeUpper() {
  if (IsEmpty()) return;
  CopyBeforeWrite();
  CharUpperBuffA(m_pchData, static_cast<DWORD>(GetLength()));
}

int CString::Replace(char from, char to) {
  if (from == to || Find(from) < 0) return 0;
  CopyBeforeWrite();
  int count = 0;
  for (int i = 0; i < GetLength(); ++i) {
    if (m_pchData[i] == from) {
      m_pchData[i] = to;
      ++count;
    }
  }
  return count;
}

void CString::TrimLeft(char ch) {
  int length = GetLength();
  int skip = 0;
  while (skip < length && m_pchData[skip] == ch) ++skip;
  if (skip == 0) return;
  CopyBeforeWrite();
  std::memmove(m_pchData, m_pchData + skip, static_cast<size_t>(length - skip) + 1);
  GetData()->nDataLength = length - skip;
}

void CString::TrimRight(char ch) {
  int length = GetLength();
  int keep = length;
  while (keep > 0 && m_pchData[keep - 1] == ch) --keep;
  if (keep == length) return;
  CopyBeforeWrite();
  m_pchData[keep] = '\0';
  GetData()->nDataLength = keep;
}

// ---- formatting ---------------------------------------------------------------------------

void CString::Format(const char* format, ...) {
  if (format == nullptr) format = "";
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  // Formatted into a separate string: an argument may be this string's own text.
  CString result;
  if (length > 0) {
    char* chars = result.GetBufferSetLength(length);
    std::vsnprintf(chars, static_cast<size_t>(length) + 1, format, args);
  }
  va_end(args);
  *this = result;
}
