#pragma once
// One line of a script split into its words: the command first, then its
// arguments. Words are separated by spaces and tabs; a text argument is the
// rest of the line after a number of words.
#include <string>
#include <vector>

class ScriptLine {
 public:
  explicit ScriptLine(std::string text);

  const std::string& text() const { return m_text; }
  // The first word; empty for a line of blanks.
  const std::string& command() const { return Word(0); }
  size_t WordCount() const { return m_words.size(); }
  // The word at index (0 is the command); empty past the last.
  const std::string& Word(size_t index) const;
  // The word as a decimal number, 0 when it is none (or missing).
  int Number(size_t index) const;
  // The text after the first n words and the one blank that ends the last of
  // them, as typed (further blanks kept); empty when the line has no more.
  // The whole line for n = 0.
  std::string RestAfter(int n) const;

  // The text without blanks, tabs and line ends at either end.
  static std::string Trim(const std::string& text);

 private:
  std::string m_text;
  std::vector<std::string> m_words;
};
