#pragma once
#include "fw/String.h"

// Ordered, growable array of CString. Growth is amortised (doubling).
// Indexes are checked: GetAt, ElementAt, operator[], SetAt and RemoveAt with an
// index (or range) outside the array, SetSize with a negative size and InsertAt
// with a negative index raise CInvalidArgException and change nothing.
// InsertAt at or past the end grows the array (new slots in between are empty).
// Allocation failure raises CMemoryException and leaves the array as it was.
class FW_API CStringArray {
 public:
  CStringArray();
  ~CStringArray();
  CStringArray(const CStringArray&) = delete;
  CStringArray& operator=(const CStringArray&) = delete;

  int GetSize() const { return m_nSize; }
  int GetUpperBound() const { return m_nSize - 1; }
  void SetSize(int newSize);
  const CString& GetAt(int index) const;
  CString& ElementAt(int index);
  void SetAt(int index, const char* text);
  int Add(const CString& text);
  int Add(const char* text);
  void InsertAt(int index, const CString& text, int count = 1);
  void RemoveAt(int index, int count = 1);
  void RemoveAll();
  CString& operator[](int index);
  const CString& operator[](int index) const;

 private:
  CString* m_pData;
  int m_nSize;
  int m_nMaxSize;
};
