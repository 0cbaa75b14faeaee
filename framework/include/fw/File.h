#pragma once
#include <windows.h>
#include "fw/String.h"
#include "fw/Exceptions.h"

// Status of a file; times are seconds since 1970-01-01 UTC (0: not known).
struct FW_API CFileStatus {
  long long m_ctime = 0;   // creation
  long long m_mtime = 0;   // last modification
  long long m_atime = 0;   // last access
  long long m_size = 0;
  unsigned char m_attribute = 0;   // FILE_ATTRIBUTE_* low byte
  char m_szFullName[MAX_PATH] = {};
};

// A file on disk over a Win32 handle. Open reports failure through its result
// (and the optional exception record); the other members raise CFileException.
class FW_API CFile {
 public:
  enum OpenFlags : unsigned {
    modeRead = 0x0000, modeWrite = 0x0001, modeReadWrite = 0x0002,
    shareCompat = 0x0000, shareExclusive = 0x0010, shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030, shareDenyNone = 0x0040, modeNoInherit = 0x0080,
    modeCreate = 0x1000, modeNoTruncate = 0x2000,
    typeText = 0x4000, typeBinary = 0x8000
  };
  enum SeekPosition { begin = 0, current = 1, end = 2 };

  CFile();
  CFile(const char* fileName, unsigned openFlags);   // raises on failure
  // Takes over a handle already open (INVALID_HANDLE_VALUE: a closed file);
  // the object closes it. fileName names the file in exceptions.
  CFile(HANDLE hFile, const char* fileName);
  virtual ~CFile();                                   // closes, never raises
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  virtual bool Open(const char* fileName, unsigned openFlags, CFileException* error = nullptr);
  // Reads up to count bytes; returns the number read (0 at the end).
  virtual unsigned Read(void* buffer, unsigned count);
  // Writes all count bytes; a short write raises CFileException::diskFull.
  virtual void Write(const void* buffer, unsigned count);
  virtual long long Seek(long long offset, unsigned from);
  void SeekToBegin() { Seek(0, begin); }
  long long SeekToEnd() { return Seek(0, end); }
  virtual long long GetLength() const;
  virtual void Flush();
  virtual void Close();   // raises when the system refuses to close
  virtual void Abort();   // closes, ignoring errors
  bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
  const CString& GetFilePath() const { return m_strFileName; }

  bool GetStatus(CFileStatus& status) const;
  static bool GetStatus(const char* fileName, CFileStatus& status);
  // Sets the last-modification time (to the whole second) from status.m_mtime;
  // the other time stamps and the attributes keep their values.
  static void SetStatus(const char* fileName, const CFileStatus& status);
  static void Rename(const char* oldName, const char* newName);
  static void Remove(const char* fileName);

  HANDLE m_hFile;

 protected:
  CString m_strFileName;
};

// A file in memory that grows as it is written; Detach hands its buffer (from
// malloc) to the caller. Growth is geometric, in multiples of growBytes.
class FW_API CMemFile : public CFile {
 public:
  explicit CMemFile(unsigned growBytes = 1024);
  ~CMemFile() override;
  unsigned Read(void* buffer, unsigned count) override;
  void Write(const void* buffer, unsigned count) override;
  long long Seek(long long offset, unsigned from) override;
  long long GetLength() const override;
  void Flush() override {}
  void Close() override;
  void Abort() override { Close(); }
  // Gives up the buffer: the caller frees it with free(). The file is then empty.
  unsigned char* Detach();

 private:
  void GrowTo(unsigned needed);
  unsigned m_nGrowBytes;
  unsigned m_nPosition;
  unsigned m_nFileSize;
  unsigned m_nBufferSize;
  unsigned char* m_lpBuffer;
};

// A text file: each "\n" written becomes CR LF; ReadString drops the CR LF
// (a lone LF also ends a line; a lone CR is an ordinary character).
class FW_API CStdioFile : public CFile {
 public:
  CStdioFile();
  CStdioFile(const char* fileName, unsigned openFlags);
  bool Open(const char* fileName, unsigned openFlags, CFileException* error = nullptr) override;
  void WriteString(const char* text);
  // Next line without its line end; false at the end of the file.
  bool ReadString(CString& line);

 private:
  bool m_bText = true;   // false when opened with typeBinary: bytes pass unchanged
};
