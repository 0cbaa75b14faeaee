#include "host/filterdialogs/SubstringFilter.h"
#include <array>

namespace {

// The system's lower case of every byte, asked once: asking per key would
// cost a call into the system for each of hundreds of thousands of keys.
const std::array<char, 256>& LowerTable() {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> lower;
    for (int i = 0; i < 256; ++i) lower[i] = static_cast<char>(i);
    CharLowerBuffA(lower.data() + 1, 255);   // byte 0 would end the text
    return lower;
  }();
  return table;
}

}  // namespace

char SubstringFilter::LowerByte(char byte) { return LowerTable()[static_cast<unsigned char>(byte)]; }

std::string SubstringFilter::Lower(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) ch = LowerByte(ch);
  return lower;
}

void SubstringFilter::Clear() {
  m_rowCount = 0;
  m_text.clear();
  m_starts.assign(1, 0);
  m_rows.clear();
  m_lastNeedles.clear();
  m_haveResult = false;
  m_lastSearched = 0;
}

void SubstringFilter::AddRow(const char* const* keys) {
  if (m_starts.empty()) m_starts.push_back(0);
  for (size_t k = 0; k < m_keysPerRow; ++k) {
    for (const char* p = keys[k]; p && *p; ++p) m_text += LowerByte(*p);
    m_starts.push_back(static_cast<DWORD>(m_text.size()));
  }
  ++m_rowCount;
  // A new row may match the current filter: the next Apply searches everything.
  m_haveResult = false;
}

std::string_view SubstringFilter::Key(DWORD row, size_t key) const {
  size_t index = row * m_keysPerRow + key;
  return std::string_view(m_text.data() + m_starts[index], m_starts[index + 1] - m_starts[index]);
}

bool SubstringFilter::RowMatches(DWORD row, const std::vector<std::string>& needles) const {
  for (size_t k = 0; k < m_keysPerRow; ++k) {
    if (!needles[k].empty() && Key(row, k).find(needles[k]) == std::string_view::npos) return false;
  }
  return true;
}

bool SubstringFilter::Narrows(const std::vector<std::string>& needles) const {
  if (!m_haveResult) return false;
  for (size_t k = 0; k < m_keysPerRow; ++k) {
    if (needles[k].find(m_lastNeedles[k]) == std::string::npos) return false;
  }
  return true;
}

const std::vector<DWORD>& SubstringFilter::Apply(const std::vector<std::string>& needles) {
  std::vector<std::string> given = needles;
  given.resize(m_keysPerRow);
  std::vector<DWORD> result;
  if (Narrows(given)) {
    m_lastSearched = m_rows.size();
    for (DWORD row : m_rows) {
      if (RowMatches(row, given)) result.push_back(row);
    }
  } else {
    m_lastSearched = m_rowCount;
    result.reserve(m_rowCount);
    for (DWORD row = 0; row < m_rowCount; ++row) {
      if (RowMatches(row, given)) result.push_back(row);
    }
  }
  m_rows.swap(result);
  m_lastNeedles.swap(given);
  m_haveResult = true;
  return m_rows;
}
