// CStringArray: an ordered array of CString with amortised growth.
#include "fw/StringArray.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

#include "fw/CoreExceptions.h"

namespace {
constexpr int kMaxElements = INT_MAX / static_cast<int>(sizeof(CString));
}

CStringArray::CStringArray() : m_pData(nullptr), m_nSize(0), m_nMaxSize(0) {}

CStringArray::~CStringArray() { RemoveAll(); }

// Makes room for at least capacity elements. CString is one pointer wide and
// holds no pointer to itself, so elements move to the new block by plain copy.
static CString* Reallocate(CString* data, int size, int capacity) {
  if (capacity > kMaxElements) AfxThrowMemoryException();
  void* block = std::malloc(static_cast<size_t>(capacity) * sizeof(CString));
  if (block == nullptr) AfxThrowMemoryException();
  if (size > 0) std::memcpy(block, static_cast<void*>(data), static_cast<size_t>(size) * sizeof(CString));
  std::free(data);
  return static_cast<CString*>(block);
}

void CStringArray::SetSize(int newSize) {
  if (newSize < 0) AfxThrowInvalidArgException();
  if (newSize > m_nMaxSize) {
    long long doubled = static_cast<long long>(m_nMaxSize) * 2;
    int capacity = newSize;
    if (doubled > newSize) capacity = doubled > kMaxElements ? kMaxElements : static_cast<int>(doubled);
    if (capacity < 4) capacity = 4;
    m_pData = Reallocate(m_pData, m_nSize, capacity);
    m_nMaxSize = capacity;
  }
  for (int i = m_nSize; i < newSize; ++i) new (&m_pData[i]) CString();
  for (int i = newSize; i < m_nSize; ++i) m_pData[i].~CString();
  m_nSize = newSize;
}

const CString& CStringArray::GetAt(int index) const {
  if (index < 0 || index >= m_nSize) AfxThrowInvalidArgException();
  return m_pData[index];
}

CString& CStringArray::ElementAt(int index) {
  if (index < 0 || index >= m_nSize) AfxThrowInvalidArgException();
  return m_pData[index];
}

CString& CStringArray::operator[](int index) { return ElementAt(index); }
const CString& CStringArray::operator[](int index) const { return GetAt(index); }

void CStringArray::SetAt(int index, const char* text) { ElementAt(index) = text; }

int CStringArray::Add(const CString& text) {
  // Copy first: text may be an element of this array, which growing moves.
  CString copy(text);
  int index = m_nSize;
  SetSize(m_nSize + 1);
  m_pData[index] = copy;
  return index;
}

int CStringArray::Add(const char* text) { return Add(CString(text)); }

void CStringArray::InsertAt(int index, const CString& text, int count) {
  if (index < 0 || count < 0) AfxThrowInvalidArgException();
  if (count == 0) return;
  if (count > kMaxElements - (index > m_nSize ? index : m_nSize)) AfxThrowMemoryException();
  CString copy(text);
  if (index >= m_nSize) {
    // Past the end: the array grows to hold the new elements there.
    SetSize(index + count);
  } else {
    int oldSize = m_nSize;
    SetSize(m_nSize + count);
    // Shift the tail up; the slots it leaves are raw memory refilled below.
    for (int i = oldSize; i < oldSize + count; ++i) m_pData[i].~CString();
    std::memmove(static_cast<void*>(&m_pData[index + count]), static_cast<void*>(&m_pData[index]),
                 static_cast<size_t>(oldSize - index) * sizeof(CString));
    for (int i = index; i < index + count; ++i) new (&m_pData[i]) CString();
  }
  for (int i = index; i < index + count; ++i) m_pData[i] = copy;
}

void CStringArray::RemoveAt(int index, int count) {
  if (index < 0 || count < 0 || index > m_nSize || count > m_nSize - index)
    AfxThrowInvalidArgException();
  if (count == 0) return;
  for (int i = index; i < index + count; ++i) m_pData[i].~CString();
  std::memmove(static_cast<void*>(&m_pData[index]), static_cast<void*>(&m_pData[index + count]),
               static_cast<size_t>(m_nSize - index - count) * sizeof(CString));
  m_nSize -= count;
}

void CStringArray::RemoveAll() {
  for (int i = 0; i < m_nSize; ++i) m_pData[i].~CString();
  std::free(m_pData);
  m_pData = nullptr;
  m_nSize = 0;
  m_nMaxSize = 0;
}
