#pragma once
#include <cstddef>
#include "fw/Export.h"
#include "fw/StringData.h"

// A CString crossing a binary interface by value, as the platform's compilers
// pass one: the caller hands over one reference of its own, the callee adopts
// it (CString::Adopt) and releases it. One pointer wide, passed on the stack.
struct CStringArg {
  char* pchData;
};

// 8-bit, reference-counted string, one pointer wide. The pointer addresses the
// characters (zero-terminated); a CStringData header sits right before them.
// Copies share the characters; a change to a shared string first makes it its
// own copy. The empty string shares one static header and allocates nothing.
// A locked buffer (LockBuffer) is never shared: copying it copies the characters.
// Appending grows the buffer geometrically. Buffers are made and freed only
// inside the framework DLL: short ones come from its size-class pools (their
// capacity rounded up to the block), long ones from the C runtime's heap (see
// fw/StringPool.h). Any allocation failure raises
// CMemoryException. A null const char* reads as "". GetAt and operator[]
// outside 0..GetLength()-1 give '\0'; SetAt outside that range does nothing.
class FW_API CString {
 public:
  CString();
  CString(const CString& other);
  CString(const char* text);
  CString(const char* text, int length);
  CString(char ch, int repeat = 1);
  ~CString();

  CString& operator=(const CString& other);
  CString& operator=(const char* text);
  CString& operator=(char ch);

  int GetLength() const;
  bool IsEmpty() const;
  void Empty();
  char GetAt(int index) const;
  char operator[](int index) const;
  void SetAt(int index, char ch);
  operator const char*() const { return m_pchData; }

  CString& operator+=(const CString& other);
  CString& operator+=(const char* text);
  CString& operator+=(char ch);
  friend FW_API CString operator+(const CString& a, const CString& b);
  friend FW_API CString operator+(const CString& a, const char* b);
  friend FW_API CString operator+(const char* a, const CString& b);
  friend FW_API CString operator+(const CString& a, char b);

  // Exact, case-sensitive byte comparison (strcmp order).
  int Compare(const char* text) const;
  int CompareNoCase(const char* text) const;

  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Left(int count) const;
  CString Right(int count) const;
  int Find(char ch, int start = 0) const;
  int Find(const char* sub, int start = 0) const;
  int ReverseFind(char ch) const;
  void MakeLower();
  void MakeUpper();
  int Replace(char from, char to);
  void TrimLeft(char ch);
  void TrimRight(char ch);

  // printf-style formatting into this string.
  void Format(const char* format, ...);

  // Direct access to a buffer of at least minLength characters, this string's
  // own. ReleaseBuffer sets the length (-1: up to the first zero).
  char* GetBuffer(int minLength);
  void ReleaseBuffer(int newLength = -1);
  char* GetBufferSetLength(int newLength);
  // Makes the characters this string's own and keeps them unshared until UnlockBuffer.
  char* LockBuffer();
  void UnlockBuffer();

  // Passing by value across a binary interface (see CStringArg).
  CStringArg PassByValue() const;         // one more reference, handed over
  static CString Adopt(CStringArg arg);   // takes that reference over

  // Reference count of the shared characters (for tests and diagnostics);
  // -1 when locked, 0 for the empty string.
  long GetRefCount() const;
  int GetAllocLength() const;

 private:
  CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
  void Release();
  void AllocBuffer(int length);
  void AssignCopy(const char* text, int length);
  void CopyBeforeWrite();
  void GrowTo(int length);
  void Append(const char* text, int length);

  char* m_pchData;
};

FW_API bool operator==(const CString& a, const CString& b);
FW_API bool operator==(const CString& a, const char* b);
FW_API bool operator==(const char* a, const CString& b);
FW_API bool operator!=(const CString& a, const CString& b);
FW_API bool operator!=(const CString& a, const char* b);
FW_API bool operator!=(const char* a, const CString& b);
FW_API bool operator<(const CString& a, const CString& b);
