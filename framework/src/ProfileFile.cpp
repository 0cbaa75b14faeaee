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

#include <windows.h>

namespace fw {
namespace {

void AppendEscaped(std::string& out, char ch) {
  static const char kHex[] = "0123456789ABCDEF";
  unsigned char byte = static_cast<unsigned char>(ch);
  out += '%';
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

// Appends text with its escapes to out. The runs between escaped characters
// are copied whole: most values have none.
void AppendEncoded(std::string& out, const std::string& text, const char* alsoEscaped, bool escapeLeadingMarks) {
  const std::string special = std::string("%\r\n") + alsoEscaped;
  size_t start = 0;
  if (escapeLeadingMarks && !text.empty() && (text[0] == '[' || text[0] == ';')) {
    AppendEscaped(out, text[0]);
    start = 1;
  }
  while (start < text.size()) {
    size_t at = text.find_first_of(special, start);
    if (at == std::string::npos) at = text.size();
    out.append(text, start, at - start);
    if (at < text.size()) AppendEscaped(out, text[at]);
    start = at + 1;
  }
}

std::string Encode(const std::string& text, const char* alsoEscaped, bool escapeLeadingMarks) {
  std::string out;
  out.reserve(text.size());
  AppendEncoded(out, text, alsoEscaped, escapeLeadingMarks);
  return out;
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

char FoldCase(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

}  // namespace

std::string EncodeProfileValue(const std::string& value) { return Encode(value, "", false); }
std::string EncodeProfileKey(const std::string& key) { return Encode(key, "=", true); }
std::string EncodeProfileSection(const std::string& section) { return Encode(section, "", false); }

std::string DecodeProfileText(const std::string& text) {
  if (text.find('%') == std::string::npos) return text;
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      int high = HexDigit(text[i + 1]);
      int low = HexDigit(text[i + 2]);
      if (high >= 0 && low >= 0) {
        out += static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

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

const std::string* ProfileFile::Find(const std::string& section, const std::string& key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return nullptr;
  for (const Line& line : found->lines)
    if (line.isValue && ProfileNamesEqual(line.key, key)) return &line.text;
  return nullptr;
}

bool ProfileFile::Set(const std::string& section, const std::string& key, const std::string& value) {
  Section* found = FindSection(section);
  if (found == nullptr) {
    m_sections.push_back(Section{section, {}});
    found = &m_sections.back();
  }
  for (Line& line : found->lines) {
    if (line.isValue && ProfileNamesEqual(line.key, key)) {
      if (line.text == value) return false;
      line.text = value;
      return true;
    }
  }
  found->lines.push_back(Line{true, key, value});
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

std::string ProfileFile::Serialize() const {
  std::string out;
  for (const Line& line : m_preamble) out += line.text + "\r\n";
  for (const Section& section : m_sections) {
    if (!out.empty()) out += "\r\n";
    out += '[';
    AppendEncoded(out, section.name, "", false);
    out += "]\r\n";
    for (const Line& line : section.lines) {
      if (line.isValue) {
        AppendEncoded(out, line.key, "=", true);
        out += '=';
        AppendEncoded(out, line.text, "", false);
      } else {
        out += line.text;
      }
      out += "\r\n";
    }
  }
  return out;
}

void ProfileFile::Parse(const std::string& text) {
  m_preamble.clear();
  m_sections.clear();
  std::vector<Line>* target = &m_preamble;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t lineEnd = end;
    if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
    std::string line = text.substr(start, lineEnd - start);
    start = end + 1;

    if (line.empty()) continue;   // blank lines are layout only
    if (line[0] == '[') {
      size_t close = line.rfind(']');
      std::string name = close == std::string::npos ? line.substr(1) : line.substr(1, close - 1);
      m_sections.push_back(Section{DecodeProfileText(name), {}});
      target = &m_sections.back().lines;
      continue;
    }
    size_t equals = line.find('=');
    if (line[0] == ';' || equals == std::string::npos) {
      target->push_back(Line{false, std::string(), line});
      continue;
    }
    target->push_back(Line{true, DecodeProfileText(line.substr(0, equals)),
                           DecodeProfileText(line.substr(equals + 1))});
  }
}

// ---- disk -------------------------------------------------------------------------

bool ProfileFile::Load(const std::string& path) {
  // Readers allow delete sharing so that a writer can replace the file meanwhile.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
      Parse(std::string());
      return true;
    }
    return false;
  }
  std::string text;
  LARGE_INTEGER size;
  bool ok = GetFileSizeEx(file, &size) != 0 && size.QuadPart < 0x40000000;
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

bool ProfileFile::Save(const std::string& path) const {
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

  std::string text = Serialize();
  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  bool ok = file != INVALID_HANDLE_VALUE;
  size_t done = 0;
  while (ok && done < text.size()) {
    DWORD written = 0;
    ok = WriteFile(file, text.data() + done, static_cast<DWORD>(text.size() - done), &written, nullptr) != 0 &&
         written > 0;
    done += written;
  }
  if (file != INVALID_HANDLE_VALUE) {
    if (ok) ok = FlushFileBuffers(file) != 0;
    CloseHandle(file);
  }
  if (ok) ok = MoveFileExA(temporary, fullPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) DeleteFileA(temporary);
  return ok;
}

}  // namespace fw
