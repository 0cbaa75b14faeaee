#include "host/script/LayoutCommands.h"
#include <commctrl.h>
#include "host/script/DialogGeometry.h"
#include "host/script/KeyInput.h"
#include "host/script/ListRows.h"

namespace {

void SayWidths(ScriptContext& context, const std::string& what) {
  int columns = 0;
  HWND list = context.ListOf(what, columns);
  if (!list) return context.Fail(what + ": not open");
  std::string text = what + " column widths:";
  for (int width : ColumnWidths(list, columns)) text += " " + std::to_string(width);
  context.Say(text);
}

void SaySize(ScriptContext& context, const std::string& what) {
  int columns = 0;
  HWND list = context.ListOf(what, columns);
  if (!list) return context.Fail(what + ": not open");
  context.Say(std::string(what == "files" ? "file picker " : "tag browser ") +
              DescribeGeometry(MeasureDialog(GetParent(list), list, columns)));
}

}  // namespace

void WidthsCommand(ScriptContext& context, const ScriptLine& line) { SayWidths(context, line.Word(1)); }

void WidthCommand(ScriptContext& context, const ScriptLine& line) {
  const std::string& what = line.Word(1);
  int column = line.Number(2);
  int columns = 0;
  HWND list = context.ListOf(what, columns);
  if (!list || column < 0 || column >= columns) return context.Fail("no such column");
  SendMessageA(list, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(line.Number(3), 0));
  PumpPending();
  SayWidths(context, what);
}

void SizeCommand(ScriptContext& context, const ScriptLine& line) { SaySize(context, line.Word(1)); }

void ResizeCommand(ScriptContext& context, const ScriptLine& line) {
  const std::string& what = line.Word(1);
  int width = line.Number(2), height = line.Number(3);
  int columns = 0;
  HWND list = context.ListOf(what, columns);
  if (!list || width <= 0 || height <= 0) return context.Fail("resize tags|files WIDTH HEIGHT, with the dialog open");
  HWND dialog = GetParent(list);
  DialogGeometry before = MeasureDialog(dialog, list, columns);
  // As a person drags the frame: the dialog gets the size, its items follow.
  SetWindowPos(dialog, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  PumpPending();
  context.Say("resized: " + DescribeChange(before, MeasureDialog(dialog, list, columns)));
  SaySize(context, what);
}
