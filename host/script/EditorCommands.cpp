#include "host/script/EditorCommands.h"
#include <fstream>
#include <iterator>
#include <vector>
#include "host/script/KeyInput.h"

namespace {

std::string Narrow(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &out[0], size, nullptr, nullptr);
  return out;
}

}  // namespace

void SayEditor(ScriptContext& context) {
  PumpPending();
  EditorView& editor = context.window().editor();
  if (editor.FileName().empty()) return context.Say("editor: no document");
  int caret = editor.CaretLine();
  const std::vector<std::wstring>& lines = context.session().ide().ActiveLines();
  std::string text = caret >= 1 && caret <= static_cast<int>(lines.size()) ? Narrow(lines[caret - 1]) : "";
  context.Say("editor: " + context.Relative(Narrow(editor.FileName())) + " line " + std::to_string(caret) + " of " +
              std::to_string(lines.size()) + (editor.CaretCentred() ? ", centred" : ", not centred") +
              " (top line " + std::to_string(editor.TopLine()) + ")");
  context.Say("  " + std::to_string(caret) + ": " + text);
}

void EditorCommand(ScriptContext& context, const ScriptLine&) { SayEditor(context); }

void EditCommand(ScriptContext& context, const ScriptLine& line) {
  const std::string& file = line.Word(1);
  int number = line.Number(2);
  std::string text = line.RestAfter(3);
  std::string path = context.session().WorkspacePath(file);
  std::string bytes;
  {
    std::ifstream in(path, std::ios::binary);
    if (!in) return context.Fail("cannot read " + file);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // The line's place in the bytes; every other byte stays as it was.
  size_t start = 0;
  for (int i = 1; i < number && start != std::string::npos; ++i) {
    start = bytes.find('\n', start);
    if (start != std::string::npos) ++start;
  }
  if (number < 1 || start == std::string::npos || start == bytes.size())
    return context.Fail("no line " + std::to_string(number) + " in " + file);
  size_t end = bytes.find('\n', start);
  if (end == std::string::npos) end = bytes.size();
  // The line keeps its end: "\r\n" where the file has it.
  if (end > start && bytes[end - 1] == '\r') --end;
  std::string old = bytes.substr(start, end - start);
  bytes.replace(start, end - start, text);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  out.close();
  if (!out) return context.Fail("cannot write " + file);
  context.Say(file + " line " + std::to_string(number) + " was: " + old);
  context.Say(file + " line " + std::to_string(number) + " now: " + text);
}

void ReloadCommand(ScriptContext& context, const ScriptLine&) {
  context.window().ReloadTags();
  context.Say("tags read again: " + std::to_string(context.session().tags().tags().size()) + " tags");
  if (!context.window().statusText().empty()) context.Say("status line: " + context.window().statusText());
}

void RestartCommand(ScriptContext& context, const ScriptLine&) {
  std::string error;
  if (!context.window().RestartModule(error)) return context.Fail(error);
  PumpPending();
  context.SetFilter(0);
  context.Say("module unloaded and loaded again; settings read from " + context.session().options().profile);
}
