// The profile store's file format and its safe replacement on disk.
//
// Layout: "[section]" lines, each followed by its "key=value" lines; a blank
// line between sections; lines starting with ';' are comments and are kept.
// Values are stored byte for byte after the first '=' up to the line end (no
// trimming, so leading and trailing spaces survive). What a line cannot hold
// is written as %XX (two hex digits): in values '%', CR and LF; in keys also
// '=' and a leading '[' or ';'; in section names '%', CR and LF. A '%' not
// followed by two hex digits reads as itself.
#include "ProfileFile.h"

#include <cstring>
#include <string_view>

namespace fw {
namespace {

constexpr size_t kWriteBuffer = 64 * 1024;

// Gathers the file's text in a fixed buffer and writes it out whenever the
// buffer fills, so that a large file takes no memory of its own size.
class BufferedWriter {
 public:
  explicit BufferedWriter(HANDLE file) : m_file(file), m_buffer(kWriteBuffer) {}

  void Append(const char* text, size_t length) {
    if (length > kWriteBuffer - m_used) {
      Flush();
      if (length >= kWriteBuffer) {
        Write(text, length);
        return;
      }
    }
    std::memcpy(m_buffer.data() + m_used, text, length);
    m_used += length;
  }
  void Append(char ch) { Append(&ch, 1); }
  void Append(const char* text) { Append(text, std::strlen(text)); }

  // Writes what is left; false when any write failed.
  bool Finish() {
    Flush();
    return m_ok;
  }

 private:
  void Flush() {
    Write(m_buffer.data(), m_used);
    m_used = 0;
  }
  void Write(const char* bytes, size_t length) {
    while (m_ok && length > 0) {
      DWORD written = 0;
      m_ok = WriteFile(m_file, bytes, static_cast<DWORD>(length), &written, nullptr) != 0 && written > 0;
      bytes += written;
      length -= written;
    }
  }

  HANDLE m_file;
  std::vector<char> m_buffer;
  size_t m_used = 0;
  bool m_ok = true;
};

void AppendEscaped(BufferedWriter& out, char ch) {
  static const char kHex[] = "0123456789ABCDEF";
  unsigned char byte = static_cast<unsigned char>(ch);
  const char escaped[3] = {'%', kHex[byte >> 4], kHex[byte & 0xF]};
  out.Append(escaped, sizeof escaped);
}

// Appends text with its escapes (see the layout above). The runs between
// escaped characters are copied whole: most values have none.
void AppendEncoded(BufferedWriter& out, const char* text, size_t length, bool isKey) {
  size_t run = 0;
  for (size_t i = 0; i < length; ++i) {
    const char ch = text[i];
    bool escape = ch == '%' || ch == '\r' || ch == '\n';
    if (isKey) escape = escape || ch == '=' || (i == 0 && (ch == '[' || ch == ';'));
    if (!escape) continue;
    out.Append(text + run, i - run);
    AppendEscaped(out, ch);
    run = i + 1;
  }
  out.Append(text + run, length - run);
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

// The text of length characters at text with its escapes undone.
CString Decode(const char* text, size_t length) {
  if (std::memchr(text, '%', length) == nullptr) return CString(text, static_cast<int>(length));
  CString out;
  char* chars = out.GetBuffer(static_cast<int>(length));
  size_t used = 0;
  for (size_t i = 0; i < length; ++i) {
    if (text[i] == '%' && i + 2 < length) {
      int high = HexDigit(text[i + 1]);
      int low = HexDigit(text[i + 2]);
      if (high >= 0 && low >= 0) {
        chars[used++] = static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    chars[used++] = text[i];
  }
  out.ReleaseBuffer(static_cast<int>(used));
  return out;
}

std::string DecodeName(const char* text, size_t length) {
  CString decoded = Decode(text, length);
  return std::string(decoded, static_cast<size_t>(decoded.GetLength()));
}

// How long a save waits for readers to let go of the file it replaces.
constexpr DWORD kReplaceWaitMs = 1000;

// Moves temporary over path. While anyone has path open (another process
// reading it, or taking its stamp) the move fails with access denied or a
// sharing violation; readers hold the file only for a moment, so the move is
// tried again, at growing intervals, for up to kReplaceWaitMs.
bool ReplaceWith(const char* temporary, const char* path) {
  const DWORD start = GetTickCount();
  for (DWORD pause = 1;; pause = pause < 32 ? pause * 2 : pause) {
    if (MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD error = GetLastError();
    if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) return false;
    if (GetTickCount() - start >= kReplaceWaitMs) return false;
    Sleep(pause);
  }
}

char FoldCase(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

}  // namespace

bool ProfileNamesEqual(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

// ---- content --------------------------------------------------------------------

ProfileFile::Section* ProfileFile::FindSection(const std::string& name) {
  for (Section& section : m_sections)
    if (ProfileNamesEqual(section.name, name)) return &section;
  return nullptr;
}

const ProfileFile::Section* ProfileFile::FindSection(const std::string& name) const {
  for (const Section& section : m_sections)
    if (ProfileNamesEqual(section.name, name)) return &section;
  return nullptr;
}

const CString* ProfileFile::Find(const std::string& section, const std::string& key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return nullptr;
  for (const Line& line : found->lines)
    if (line.isValue && ProfileNamesEqual(line.key, key)) return &line.text;
  return nullptr;
}

bool ProfileFile::Set(const std::string& section, const std::string& key, const char* value) {
  Section* found = FindSection(section);
  if (found == nullptr) {
    m_sections.push_back(Section{section, {}});
    found = &m_sections.back();
  }
  for (Line& line : found->lines) {
    if (line.isValue && ProfileNamesEqual(line.key, key)) {
      if (line.text == value) return false;
      line.text = value;   // an unshared buffer with room is reused
      return true;
    }
  }
  found->lines.push_back(Line{true, key, CString(value)});
  return true;
}

bool ProfileFile::RemoveKey(const std::string& section, const std::string& key) {
  Section* found = FindSection(section);
  if (found == nullptr) return false;
  for (size_t i = 0; i < found->lines.size(); ++i) {
    if (found->lines[i].isValue && ProfileNamesEqual(found->lines[i].key, key)) {
      found->lines.erase(found->lines.begin() + static_cast<std::ptrdiff_t>(i));
      return true;
    }
  }
  return false;
}

bool ProfileFile::RemoveSection(const std::string& section) {
  for (size_t i = 0; i < m_sections.size(); ++i) {
    if (ProfileNamesEqual(m_sections[i].name, section)) {
      m_sections.erase(m_sections.begin() + static_cast<std::ptrdiff_t>(i));
      return true;
    }
  }
  return false;
}

// ---- text -------------------------------------------------------------------------

bool ProfileFile::WriteTo(HANDLE file) const {
  BufferedWriter out(file);
  bool empty = true;
  for (const Line& line : m_preamble) {
    out.Append(line.text, static_cast<size_t>(line.text.GetLength()));
    out.Append("\r\n");
    empty = false;
  }
  for (const Section& section : m_sections) {
    if (!empty) out.Append("\r\n");
    empty = false;
    out.Append('[');
    AppendEncoded(out, section.name.data(), section.name.size(), false);
    out.Append("]\r\n");
    for (const Line& line : section.lines) {
      if (line.isValue) {
        AppendEncoded(out, line.key.data(), line.key.size(), true);
        out.Append('=');
        AppendEncoded(out, line.text, static_cast<size_t>(line.text.GetLength()), false);
      } else {
        out.Append(line.text, static_cast<size_t>(line.text.GetLength()));
      }
      out.Append("\r\n");
    }
  }
  return out.Finish();
}

void ProfileFile::Parse(const std::string& text) {
  m_preamble.clear();
  m_sections.clear();
  std::vector<Line>* target = &m_preamble;
  const char* const all = text.data();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t lineEnd = end;
    if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
    const char* line = all + start;
    const size_t length = lineEnd - start;
    start = end + 1;

    if (length == 0) continue;   // blank lines are layout only
    if (line[0] == '[') {
      const size_t close = std::string_view(line, length).rfind(']');
      const size_t nameLength = close == std::string_view::npos ? length - 1 : close - 1;
      m_sections.push_back(Section{DecodeName(line + 1, nameLength), {}});
      target = &m_sections.back().lines;
      continue;
    }
    const char* equals = static_cast<const char*>(std::memchr(line, '=', length));
    if (line[0] == ';' || equals == nullptr) {
      target->push_back(Line{false, std::string(), CString(line, static_cast<int>(length))});
      continue;
    }
    const size_t keyLength = static_cast<size_t>(equals - line);
    target->push_back(Line{true, DecodeName(line, keyLength), Decode(equals + 1, length - keyLength - 1)});
  }
}

// ---- disk -------------------------------------------------------------------------

bool ProfileFile::Load(const std::string& path, ProfileStamp& stamp) {
  // Nobody is kept out, yet while this handle is open no writer can replace
  // the file: the replace fails (delete sharing lets a file be deleted or
  // renamed away, not superseded). Writers try again for a while (Save), so
  // the file is held for the read alone.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
      Parse(std::string());
      stamp = ProfileStamp();
      return true;
    }
    return false;
  }
  std::string text;
  LARGE_INTEGER size;
  // The stamp of the very file read, taken first: a writer that changes it
  // in place meanwhile leaves a newer stamp, which is read again next time.
  bool ok = StampOfFile(file, stamp) && GetFileSizeEx(file, &size) != 0 && size.QuadPart < 0x40000000;
  if (ok) {
    text.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (ok && done < text.size()) {
      DWORD read = 0;
      ok = ReadFile(file, &text[done], static_cast<DWORD>(text.size() - done), &read, nullptr) != 0;
      if (read == 0) break;   // the file shrank meanwhile: take what is there
      done += read;
    }
    text.resize(done);
  }
  CloseHandle(file);
  if (ok) Parse(text);
  return ok;
}

bool ProfileFile::Save(const std::string& path, ProfileStamp& stamp) const {
  char fullPath[MAX_PATH];
  char* namePart = nullptr;
  DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, fullPath, &namePart);
  if (length == 0 || length >= MAX_PATH || namePart == nullptr) return false;
  std::string folder(fullPath, static_cast<size_t>(namePart - fullPath));

  // A read-only profile is left as it is (some systems would replace it anyway).
  DWORD attributes = GetFileAttributesA(fullPath);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }

  char temporary[MAX_PATH];
  if (GetTempFileNameA(folder.c_str(), "~pf", 0, temporary) == 0) return false;

  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  bool ok = file != INVALID_HANDLE_VALUE && WriteTo(file);
  if (file != INVALID_HANDLE_VALUE) {
    if (ok) ok = FlushFileBuffers(file) != 0;
    CloseHandle(file);
  }
  // Stamped once closed (some file systems set the write time as the last
  // writer lets go) and before the move; the temporary file's name is ours alone.
  if (ok) ok = StampOfPath(temporary, stamp) && stamp.exists;
  if (ok) ok = ReplaceWith(temporary, fullPath);
  if (!ok) {
    const DWORD error = GetLastError();
    DeleteFileA(temporary);
    SetLastError(error);
  }
  return ok;
}

}  // namespace fw
