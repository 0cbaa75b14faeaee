// CString: reference-counted 8-bit string (see fw/String.h for the model): its
// buffers, their references, assignment, concatenation and buffer access.
// Comparing, searching, changing in place and formatting: StringOperations.cpp.
#include "fw/String.h"

#include <windows.h>
#include <climits>
#include <cstring>

#include "StringPool.h"
#include "fw/CoreExceptions.h"

namespace {

// The one shared empty string: a header with no room, followed by the terminator.
// Its reference count is 0, a value no live allocated string ever has.
struct EmptyString {
  CStringData header;
  char terminator;
};
EmptyString g_empty = {{0, 0, 0}, '\0'};

CStringData* EmptyData() { return &g_empty.header; }
char* EmptyChars() { return g_empty.header.data(); }

bool IsEmptyData(const CStringData* data) { return data == &g_empty.header; }

// Largest number of characters one allocation may hold.
constexpr int kMaxLength = INT_MAX - static_cast<int>(sizeof(CStringData)) - 1;

// A fresh header with room for at least capacity characters (the pools round
// up to their block size), length 0, one reference.
CStringData* NewData(int capacity) {
  if (capacity < 0 || capacity > kMaxLength) AfxThrowMemoryException();
  void* block = fw::AllocateStringBlock(capacity);
  if (block == nullptr) AfxThrowMemoryException();
  CStringData* data = static_cast<CStringData*>(block);
  data->nRefs = 1;
  data->nDataLength = 0;
  data->nAllocLength = capacity;
  data->data()[0] = '\0';
  return data;
}

// The block's capacity never changes, so it tells the pools where the block came from.
void FreeData(CStringData* data) { fw::FreeStringBlock(data, data->nAllocLength); }

// Capacity for a string that must hold at least needed characters after
// holding current ones: doubling keeps a run of appends linear overall.
int GrownCapacity(int current, int needed) {
  long long grown = static_cast<long long>(current) * 2;
  if (grown < 16) grown = 16;
  if (grown > kMaxLength) grown = kMaxLength;
  return needed > grown ? needed : static_cast<int>(grown);
}

// Sum of two lengths, or the out-of-memory exception when it cannot be held.
int AddLengths(int a, int b) {
  if (static_cast<long long>(a) + b > kMaxLength) AfxThrowMemoryException();
  return a + b;
}

int SafeLength(const char* text) {
  if (text == nullptr) return 0;
  size_t length = std::strlen(text);
  if (length > static_cast<size_t>(kMaxLength)) AfxThrowMemoryException();
  return static_cast<int>(length);
}

}  // namespace

// ---- construction and release ------------------------------------------------

CString::CString() : m_pchData(EmptyChars()) {}

CString::CString(const CString& other) : m_pchData(EmptyChars()) {
  CStringData* src = other.GetData();
  if (IsEmptyData(src)) return;
  if (src->nRefs < 0) {
    // A locked buffer belongs to its string alone: copy the characters.
    AssignCopy(other.m_pchData, src->nDataLength);
  } else {
    InterlockedIncrement(&src->nRefs);
    m_pchData = other.m_pchData;
  }
}

CString::CString(const char* text) : m_pchData(EmptyChars()) {
  AssignCopy(text, SafeLength(text));
}

CString::CString(const char* text, int length) : m_pchData(EmptyChars()) {
  if (text == nullptr || length < 0) length = 0;
  AssignCopy(text, length);
}

CString::CString(char ch, int repeat) : m_pchData(EmptyChars()) {
  if (repeat <= 0) return;
  AllocBuffer(repeat);
  std::memset(m_pchData, ch, static_cast<size_t>(repeat));
}

CString::~CString() { Release(); }

void CString::Release() {
  CStringData* data = GetData();
  if (!IsEmptyData(data)) {
    // Locked (-1): this string is the only owner.
    if (data->nRefs < 0 || InterlockedDecrement(&data->nRefs) == 0) FreeData(data);
  }
  m_pchData = EmptyChars();
}

// Replaces the content by a new, unshared buffer of length characters (the
// characters themselves are left for the caller to fill).
void CString::AllocBuffer(int length) {
  CStringData* data = length == 0 ? EmptyData() : NewData(length);
  if (!IsEmptyData(data)) {
    data->nDataLength = length;
    data->data()[length] = '\0';
  }
  Release();
  m_pchData = data->data();
}

// Sets the content to a copy of length characters of text, reusing this
// string's own buffer when it is unshared and large enough (a locked buffer
// stays locked).
void CString::AssignCopy(const char* text, int length) {
  CStringData* data = GetData();
  bool locked = !IsEmptyData(data) && data->nRefs < 0;
  bool ownBuffer = !IsEmptyData(data) && data->nRefs <= 1;
  if (length == 0 && !locked) {
    Release();
    return;
  }
  if (ownBuffer && length <= data->nAllocLength) {
    std::memmove(m_pchData, text, static_cast<size_t>(length));
    data->nDataLength = length;
    m_pchData[length] = '\0';
    return;
  }
  CStringData* fresh = NewData(length);
  std::memcpy(fresh->data(), text, static_cast<size_t>(length));
  fresh->nDataLength = length;
  fresh->data()[length] = '\0';
  if (locked) fresh->nRefs = -1;
  Release();
  m_pchData = fresh->data();
}

// Before changing characters: a shared buffer is replaced by a copy of its own.
void CString::CopyBeforeWrite() {
  CStringData* data = GetData();
  if (IsEmptyData(data) || data->nRefs <= 1) return;
  CStringData* fresh = NewData(data->nAllocLength);
  std::memcpy(fresh->data(), m_pchData, static_cast<size_t>(data->nDataLength) + 1);
  fresh->nDataLength = data->nDataLength;
  Release();
  m_pchData = fresh->data();
}

// Makes the buffer unshared with room for at least length characters; the
// content is kept and a locked buffer stays locked.
void CString::GrowTo(int length) {
  CStringData* data = GetData();
  bool shared = !IsEmptyData(data) && data->nRefs > 1;
  if (!IsEmptyData(data) && !shared && length <= data->nAllocLength) return;
  int capacity = length;
  if (!IsEmptyData(data) && length > data->nAllocLength)
    capacity = GrownCapacity(data->nAllocLength, length);
  else if (!IsEmptyData(data))
    capacity = data->nAllocLength;
  CStringData* fresh = NewData(capacity);
  std::memcpy(fresh->data(), m_pchData, static_cast<size_t>(data->nDataLength) + 1);
  fresh->nDataLength = data->nDataLength;
  if (!IsEmptyData(data) && data->nRefs < 0) fresh->nRefs = -1;
  Release();
  m_pchData = fresh->data();
}

void CString::Append(const char* text, int length) {
  if (text == nullptr || length <= 0) return;
  CStringData* data = GetData();
  int oldLength = data->nDataLength;
  int newLength = AddLengths(oldLength, length);
  bool fits = !IsEmptyData(data) && data->nRefs <= 1 && newLength <= data->nAllocLength;
  if (fits) {
    std::memmove(m_pchData + oldLength, text, static_cast<size_t>(length));
  } else {
    // text may lie inside the old buffer: fill the new one before letting go.
    int capacity = IsEmptyData(data) ? newLength : GrownCapacity(data->nAllocLength, newLength);
    CStringData* fresh = NewData(capacity);
    std::memcpy(fresh->data(), m_pchData, static_cast<size_t>(oldLength));
    std::memcpy(fresh->data() + oldLength, text, static_cast<size_t>(length));
    if (!IsEmptyData(data) && data->nRefs < 0) fresh->nRefs = -1;
    Release();
    m_pchData = fresh->data();
    data = fresh;
  }
  data->nDataLength = newLength;
  m_pchData[newLength] = '\0';
}

// ---- assignment ----------------------------------------------------------------

CString& CString::operator=(const CString& other) {
  if (m_pchData == other.m_pchData) return *this;
  CStringData* mine = GetData();
  CStringData* src = other.GetData();
  bool mineLocked = !IsEmptyData(mine) && mine->nRefs < 0;
  bool srcLocked = !IsEmptyData(src) && src->nRefs < 0;
  if (mineLocked || srcLocked) {
    AssignCopy(other.m_pchData, src->nDataLength);
  } else {
    if (!IsEmptyData(src)) InterlockedIncrement(&src->nRefs);
    Release();
    m_pchData = other.m_pchData;
  }
  return *this;
}

CString& CString::operator=(const char* text) {
  AssignCopy(text, SafeLength(text));
  return *this;
}

CString& CString::operator=(char ch) {
  AssignCopy(&ch, 1);
  return *this;
}

// ---- access ----------------------------------------------------------------------

int CString::GetLength() const { return GetData()->nDataLength; }
bool CString::IsEmpty() const { return GetData()->nDataLength == 0; }

void CString::Empty() {
  CStringData* data = GetData();
  if (!IsEmptyData(data) && data->nRefs < 0) {
    // A locked buffer stays this string's own; only its content goes.
    data->nDataLength = 0;
    m_pchData[0] = '\0';
    return;
  }
  Release();
}

char CString::GetAt(int index) const {
  if (index < 0 || index >= GetLength()) return '\0';
  return m_pchData[index];
}

char CString::operator[](int index) const { return GetAt(index); }

void CString::SetAt(int index, char ch) {
  if (index < 0 || index >= GetLength()) return;
  CopyBeforeWrite();
  m_pchData[index] = ch;
}

long CString::GetRefCount() const {
  CStringData* data = GetData();
  return IsEmptyData(data) ? 0 : data->nRefs;
}

int CString::GetAllocLength() const { return GetData()->nAllocLength; }

// ---- concatenation -----------------------------------------------------------------

CString& CString::operator+=(const CString& other) {
  Append(other.m_pchData, other.GetLength());
  return *this;
}

CString& CString::operator+=(const char* text) {
  Append(text, SafeLength(text));
  return *this;
}

CString& CString::operator+=(char ch) {
  Append(&ch, 1);
  return *this;
}

namespace {
CString Concat(const char* a, int aLength, const char* b, int bLength) {
  CString result;
  int total = AddLengths(aLength, bLength);
  if (total == 0) return result;
  char* chars = result.GetBufferSetLength(total);
  std::memcpy(chars, a, static_cast<size_t>(aLength));
  std::memcpy(chars + aLength, b, static_cast<size_t>(bLength));
  return result;
}
}  // namespace

CString operator+(const CString& a, const CString& b) {
  return Concat(a, a.GetLength(), b, b.GetLength());
}
CString operator+(const CString& a, const char* b) {
  return Concat(a, a.GetLength(), b ? b : "", SafeLength(b));
}
CString operator+(const char* a, const CString& b) {
  return Concat(a ? a : "", SafeLength(a), b, b.GetLength());
}
CString operator+(const CString& a, char b) { return Concat(a, a.GetLength(), &b, 1); }

// ---- direct buffer access --------------------------------------------------------------------

// The room beyond the current characters may be larger than asked for (pool
// blocks, doubling): a terminator right after the room asked for keeps
// ReleaseBuffer(-1) from taking in bytes that nobody wrote.
char* CString::GetBuffer(int minLength) {
  if (minLength < 0) minLength = 0;
  CStringData* data = GetData();
  if (IsEmptyData(data)) {
    CStringData* fresh = NewData(minLength);
    m_pchData = fresh->data();
  } else {
    GrowTo(minLength);
  }
  if (minLength > GetLength()) m_pchData[minLength] = '\0';
  return m_pchData;
}

void CString::ReleaseBuffer(int newLength) {
  CStringData* data = GetData();
  if (IsEmptyData(data)) return;
  if (newLength < 0) {
    const void* end = std::memchr(m_pchData, '\0', static_cast<size_t>(data->nAllocLength));
    newLength = end ? static_cast<int>(static_cast<const char*>(end) - m_pchData) : data->nAllocLength;
  }
  if (newLength > data->nAllocLength) newLength = data->nAllocLength;
  data->nDataLength = newLength;
  m_pchData[newLength] = '\0';
}

char* CString::GetBufferSetLength(int newLength) {
  if (newLength < 0) newLength = 0;
  GetBuffer(newLength);
  GetData()->nDataLength = newLength;
  m_pchData[newLength] = '\0';
  return m_pchData;
}

char* CString::LockBuffer() {
  CStringData* data = GetData();
  if (IsEmptyData(data)) {
    data = NewData(0);
    m_pchData = data->data();
  } else {
    CopyBeforeWrite();
    data = GetData();
  }
  data->nRefs = -1;
  return m_pchData;
}

void CString::UnlockBuffer() {
  CStringData* data = GetData();
  if (!IsEmptyData(data) && data->nRefs < 0) data->nRefs = 1;
}

// ---- passing across binary interfaces ---------------------------------------------------------

CStringArg CString::PassByValue() const {
  CString copy(*this);   // one more reference (or own characters when locked)
  CStringArg arg{copy.m_pchData};
  copy.m_pchData = EmptyChars();   // the reference now travels in arg
  return arg;
}

CString CString::Adopt(CStringArg arg) {
  CString result;
  if (arg.pchData != nullptr) result.m_pchData = arg.pchData;
  return result;
}
