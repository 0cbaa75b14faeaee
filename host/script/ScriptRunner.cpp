#include "host/script/ScriptRunner.h"
#include <cstdio>
#include <fstream>
#include "host/script/DialogCommands.h"
#include "host/script/EditorCommands.h"
#include "host/script/ExpectCommand.h"
#include "host/script/ExtraFilesCommands.h"
#include "host/script/KeyInput.h"
#include "host/script/LayoutCommands.h"
#include "host/script/MemoryCommand.h"
#include "host/script/ScreenshotCommand.h"

namespace {

void EchoCommand(ScriptContext& context, const ScriptLine& line) { context.Say(line.RestAfter(1)); }

// The commands by their first word.
struct Command {
  const char* name;
  void (*run)(ScriptContext& context, const ScriptLine& line);
};
const Command kCommands[] = {
    {"open", OpenCommand},       {"close", CloseCommand},     {"type", TypeCommand},
    {"clear", ClearCommand},     {"key", KeyCommand},         {"choose", ChooseCommand},
    {"press", PressCommand},     {"rows", RowsCommand},       {"history", HistoryCommand},
    {"editor", EditorCommand},   {"edit", EditCommand},       {"reload", ReloadCommand},
    {"restart", RestartCommand}, {"widths", WidthsCommand},   {"width", WidthCommand},
    {"size", SizeCommand},       {"resize", ResizeCommand},   {"xf", ExtraFilesCommand},
    {"screenshot", ScreenshotCommand}, {"expect", ExpectCommand}, {"echo", EchoCommand},
    {"memory", MemoryCommand},
};

}  // namespace

ScriptRunner::ScriptRunner(MainWindow& window, HostSession& session) : m_context(window, session) {
  window.onJump = [this, &window](const TagEntry* tag, bool shown) {
    m_context.ReportMessageBoxes();   // a box the jump showed comes first
    m_context.Say(std::string("go to tag ") + tag->Name() + ": " +
                  (shown ? "shown" : "not shown"));
    if (!window.statusText().empty()) m_context.Say("status line: " + window.statusText());
  };
  window.onFileOpened = [this](const std::string& path, bool opened) {
    m_context.Say("open file " + m_context.Relative(path) + ": " + (opened ? "opened" : "not opened"));
  };
}

bool ScriptRunner::ReadScript(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) lines.push_back(ScriptLine::Trim(line));
  return true;
}

int ScriptRunner::Run(const std::vector<std::string>& lines) {
  PumpPending();
  bool inComment = false;
  for (const std::string& text : lines) {
    ScriptLine line(text);
    if (line.WordCount() == 0) continue;
    if (text[0] == '#') {
      // A comment block is set off from the commands by one empty line.
      std::printf("%s%s\n", inComment ? "" : "\n", text.c_str());
      inComment = true;
      continue;
    }
    inComment = false;
    std::printf("> %s\n", text.c_str());
    m_context.BeginCommand();
    Execute(line);
    PumpPending();
    m_context.ReportMessageBoxes();
    // A run of expects all look at the command before them.
    m_context.EndCommand(line.command() == "expect");
    std::fflush(stdout);
  }
  return m_context.failures();
}

void ScriptRunner::Execute(const ScriptLine& line) {
  for (const Command& command : kCommands) {
    if (line.command() == command.name) return command.run(m_context, line);
  }
  m_context.Fail("unknown command: " + line.command());
}
