// CMemFile: a file held in a malloc'ed buffer that grows as it is written.
#include "fw/File.h"

#include <climits>
#include <cstdlib>
#include <cstring>

CMemFile::CMemFile(unsigned growBytes)
    : m_nGrowBytes(growBytes == 0 ? 1024 : growBytes),
      m_nPosition(0),
      m_nFileSize(0),
      m_nBufferSize(0),
      m_lpBuffer(nullptr) {}

CMemFile::~CMemFile() { std::free(m_lpBuffer); }

// Makes the buffer hold at least needed bytes: at least double the old size,
// rounded up to a multiple of the grow step, so n one-byte writes cost O(n).
void CMemFile::GrowTo(unsigned needed) {
  if (needed <= m_nBufferSize) return;
  unsigned long long size = static_cast<unsigned long long>(m_nBufferSize) * 2;
  if (size < needed) size = needed;
  size = (size + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
  if (size > UINT_MAX) size = needed;
  void* grown = std::realloc(m_lpBuffer, static_cast<size_t>(size));
  if (grown == nullptr) AfxThrowMemoryException();
  m_lpBuffer = static_cast<unsigned char*>(grown);
  m_nBufferSize = static_cast<unsigned>(size);
}

unsigned CMemFile::Read(void* buffer, unsigned count) {
  if (m_nPosition >= m_nFileSize || count == 0) return 0;
  unsigned available = m_nFileSize - m_nPosition;
  if (count > available) count = available;
  std::memcpy(buffer, m_lpBuffer + m_nPosition, count);
  m_nPosition += count;
  return count;
}

void CMemFile::Write(const void* buffer, unsigned count) {
  if (count == 0) return;
  if (count > UINT_MAX - m_nPosition) AfxThrowMemoryException();
  unsigned end = m_nPosition + count;
  GrowTo(end);
  // A position set past the end leaves a gap, which reads as zeros.
  if (m_nPosition > m_nFileSize) std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
  std::memcpy(m_lpBuffer + m_nPosition, buffer, count);
  m_nPosition = end;
  if (end > m_nFileSize) m_nFileSize = end;
}

long long CMemFile::Seek(long long offset, unsigned from) {
  long long base;
  switch (from) {
    case begin: base = 0; break;
    case current: base = m_nPosition; break;
    case end: base = m_nFileSize; break;
    default: AfxThrowFileException(CFileException::badSeek);
  }
  long long position = base + offset;
  if (position < 0 || position > UINT_MAX) AfxThrowFileException(CFileException::badSeek);
  m_nPosition = static_cast<unsigned>(position);
  return position;
}

long long CMemFile::GetLength() const { return m_nFileSize; }

void CMemFile::Close() {
  std::free(m_lpBuffer);
  m_lpBuffer = nullptr;
  m_nBufferSize = 0;
  m_nFileSize = 0;
  m_nPosition = 0;
}

unsigned char* CMemFile::Detach() {
  unsigned char* buffer = m_lpBuffer;
  m_lpBuffer = nullptr;
  m_nBufferSize = 0;
  m_nFileSize = 0;
  m_nPosition = 0;
  return buffer;
}
