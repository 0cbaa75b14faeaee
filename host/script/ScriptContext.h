#pragma once
// What every command of a script works with: the application's main window
// and session, the transcript the commands print, the message boxes that
// appear while they run, and the filter last typed into (where key, choose
// and rows go when no filter is named).
#include <windows.h>
#include <string>
#include "host/app/MainWindow.h"
#include "host/script/MessageBoxWatcher.h"

// The columns the module puts in each dialog's list.
constexpr int kFilePickerColumns = 2;   // Filename, Path
constexpr int kTagBrowserColumns = 6;   // Type, Namespace, Parent, Tag, Filename, Line

class ScriptContext {
 public:
  ScriptContext(MainWindow& window, HostSession& session) : m_window(window), m_session(session) {}

  MainWindow& window() const { return m_window; }
  HostSession& session() const { return m_session; }
  // The filter combo box's item number last typed into, 0 when none.
  int filter() const { return m_filter; }
  void SetFilter(int comboId) { m_filter = comboId; }

  // A line of the transcript under the current command.
  void Say(const std::string& text);
  // A command or an expectation that failed: said, and counted.
  void Fail(const std::string& text);
  // Says the text of every message box closed since the last call.
  void ReportMessageBoxes();

  // A command begins: what it says is collected afresh.
  void BeginCommand() { m_output.clear(); }
  // A command ended; an expectation's output never becomes the output
  // that the expectations after it look at.
  void EndCommand(bool expectation);
  // What the last command that was not an expectation said.
  const std::string& lastOutput() const { return m_lastOutput; }
  int failures() const { return m_failures; }

  // The edit box of the open dialog's filter combo box; null when that
  // dialog is not open.
  HWND FilterEdit(int comboId) const;
  // The list view of "files" (the file picker) or else the tag browser, with
  // its number of columns; null when that dialog is not open.
  HWND ListOf(const std::string& what, int& columns) const;
  // A path in the workspace as the transcript shows it: relative to the workspace.
  std::string Relative(const std::string& path) const;

 private:
  MainWindow& m_window;
  HostSession& m_session;
  MessageBoxWatcher m_boxes;
  int m_filter = 0;
  std::string m_output;       // what the current command said
  std::string m_lastOutput;   // what the last command that was not an expectation said
  int m_failures = 0;
};

// The text of a window (an edit box, a static), through the ANSI code page.
std::string WindowText(HWND window);
