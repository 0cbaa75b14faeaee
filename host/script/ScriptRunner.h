#pragma once
// The scripted mode: reads commands one a line and drives the application's
// real windows with them, printing what a person would see. Commands:
//   open tags|files|extra            close [tags|files|extra]
//   type FILTER TEXT                 clear FILTER
//   key [FILTER] KEY                 choose                  rows
//   press KEY                        (to the window with the keyboard focus,
//                                     e.g. Ctrl+T: the main window's shortcuts)
//   editor                           edit FILE LINE TEXT
//   widths tags|files                width tags|files COLUMN PIXELS
//   size tags|files                  resize tags|files WIDTH HEIGHT
//   history tags|files               reload                  restart
//   xf add NAME FLAGS | xf remove N | xf flags N FLAGS | xf clear
//   xf save | xf load sync|nosync | xf show
//   screenshot tags|files|editor|extra|main FILE.png   (or FILE.bmp)
//   expect TEXT                      echo TEXT               # comment
// FILTER is tag (1052), parent (1051), file (1021) or the item number; KEY
// names as in KeyInput.h. expect checks the output of the last command
// before it that was not an expect; "expect narrowed" checks that its last
// status line reads "N of M tags" (or files) with 0 < N < M, whatever the
// counts are (a tour over sources that change). A jump prints the main
// window's status line when it says something. A key with Ctrl that did not
// go through with Ctrl held fails its command.
#include <string>
#include <vector>
#include "host/app/MainWindow.h"
#include "host/script/MessageBoxWatcher.h"

class ScriptRunner {
 public:
  ScriptRunner(MainWindow& window, HostSession& session);

  // Runs every command; the result is the number of failed commands and expectations.
  int Run(const std::vector<std::string>& lines);
  static bool ReadScript(const std::string& path, std::vector<std::string>& lines);

 private:
  void Execute(const std::string& line);
  void Say(const std::string& text);
  void Fail(const std::string& text);

  void Open(const std::string& what);
  void Close(const std::string& what);
  void Type(const std::string& filter, const std::string& text);
  void Clear(const std::string& filter);
  void Key(const std::string& filter, const std::string& keyName);
  void Choose();
  void Press(const std::string& keyName);
  void Rows();
  void Editor();
  void Edit(const std::string& file, int line, const std::string& text);
  void Widths(const std::string& what);
  void SetWidth(const std::string& what, int column, int width);
  void Size(const std::string& what);
  void Resize(const std::string& what, int width, int height);
  void History(const std::string& what);
  void Restart();
  void ExtraFiles(const std::vector<std::string>& words, const std::string& line);
  void Screenshot(const std::string& what, const std::string& file);
  void Expect(const std::string& text);
  void ReportMessageBoxes();

  // The filter's combo box item number, 0 when unknown.
  static int FilterId(const std::string& name);
  HWND FilterEdit(int comboId) const;
  HWND ListOf(const std::string& what, int& columns) const;
  std::string Relative(const std::string& path) const;

  MainWindow& m_window;
  HostSession& m_session;
  MessageBoxWatcher m_boxes;
  int m_filter = 0;           // the filter last typed into
  std::string m_output;       // what the current command printed
  std::string m_lastOutput;   // what the previous command printed
  int m_failures = 0;
};
