#include "host/script/ScriptContext.h"
#include <cstdio>

void ScriptContext::Say(const std::string& text) {
  std::printf("  %s\n", text.c_str());
  m_output += text + "\n";
}

void ScriptContext::Fail(const std::string& text) {
  Say("FAILED: " + text);
  ++m_failures;
}

void ScriptContext::ReportMessageBoxes() {
  for (std::string text : m_boxes.TakeTexts()) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    Say("message box: \"" + text + "\" (closed with OK)");
  }
}

void ScriptContext::EndCommand(bool expectation) {
  if (!expectation) m_lastOutput = m_output;
}

HWND ScriptContext::FilterEdit(int comboId) const {
  if (comboId == FilePickerDialog::kComboId) {
    FilePickerDialog* dialog = m_window.filePicker();
    return dialog ? dialog->EditOf(comboId) : nullptr;
  }
  TagBrowserDialog* dialog = m_window.tagBrowser();
  return dialog ? dialog->EditOf(comboId) : nullptr;
}

HWND ScriptContext::ListOf(const std::string& what, int& columns) const {
  if (what == "files") {
    columns = kFilePickerColumns;
    FilePickerDialog* dialog = m_window.filePicker();
    return dialog ? dialog->ItemHwnd(FilePickerDialog::kListId) : nullptr;
  }
  columns = kTagBrowserColumns;
  TagBrowserDialog* dialog = m_window.tagBrowser();
  return dialog ? dialog->ItemHwnd(TagBrowserDialog::kListId) : nullptr;
}

std::string ScriptContext::Relative(const std::string& path) const {
  const std::string& root = m_session.options().workspace + "\\";
  return path.compare(0, root.size(), root) == 0 ? path.substr(root.size()) : path;
}

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  GetWindowTextA(window, &text[0], length + 1);
  text.resize(static_cast<size_t>(length > 0 ? length : 0));
  return text;
}
