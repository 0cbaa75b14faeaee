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
//   memory                           (this process's memory, MemoryCommand.h)
// FILTER is tag (1052), parent (1051), file (1021) or the item number; KEY
// names as in KeyInput.h. expect checks the output of the last command
// before it that was not an expect; "expect narrowed" checks that its last
// status line reads "N of M tags" (or files) with 0 < N < M, whatever the
// counts are (a tour over sources that change). A jump prints the main
// window's status line when it says something. A key with Ctrl that did not
// go through with Ctrl held fails its command. The commands live by what
// they work on: DialogCommands.h, LayoutCommands.h, EditorCommands.h,
// ExtraFilesCommands.h, ScreenshotCommand.h, MemoryCommand.h and ExpectCommand.h.
#include <string>
#include <vector>
#include "host/script/ScriptContext.h"
#include "host/script/ScriptLine.h"

class ScriptRunner {
 public:
  ScriptRunner(MainWindow& window, HostSession& session);

  // Runs every command; the result is the number of failed commands and expectations.
  int Run(const std::vector<std::string>& lines);
  // The script's lines, trimmed; false when the file cannot be read.
  static bool ReadScript(const std::string& path, std::vector<std::string>& lines);

 private:
  void Execute(const ScriptLine& line);

  ScriptContext m_context;
};
