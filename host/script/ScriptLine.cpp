#include "host/script/ScriptLine.h"
#include <cstdlib>
#include <sstream>

ScriptLine::ScriptLine(std::string text) : m_text(std::move(text)) {
  std::istringstream in(m_text);
  std::string word;
  while (in >> word) m_words.push_back(word);
}

const std::string& ScriptLine::Word(size_t index) const {
  static const std::string none;
  return index < m_words.size() ? m_words[index] : none;
}

int ScriptLine::Number(size_t index) const { return std::atoi(Word(index).c_str()); }

std::string ScriptLine::RestAfter(int n) const {
  if (n <= 0) return m_text;
  size_t pos = 0;
  for (int i = 0; i < n; ++i) {
    pos = m_text.find_first_not_of(" \t", pos);
    if (pos == std::string::npos) return std::string();
    pos = m_text.find_first_of(" \t", pos);
    if (pos == std::string::npos) return std::string();
  }
  return pos + 1 <= m_text.size() ? m_text.substr(pos + 1) : std::string();
}

std::string ScriptLine::Trim(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}
