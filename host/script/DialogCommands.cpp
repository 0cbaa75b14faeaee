#include "host/script/DialogCommands.h"
#include <commctrl.h>
#include <cstdlib>
#include "host/script/EditorCommands.h"
#include "host/script/ExtraFilesCommands.h"
#include "host/script/KeyInput.h"
#include "host/script/ListRows.h"

namespace {

bool IsFilePicker(int comboId) { return comboId == FilePickerDialog::kComboId; }

KeyStroke NamedKey(const char* name) {
  KeyStroke key;
  ParseKeyName(name, key);
  return key;
}

// What the dialog of the filter last typed into shows: the filters, the row
// count, the rows in view and the selection, the status line, every row in view.
void SayRows(ScriptContext& context) {
  std::string what = IsFilePicker(context.filter()) ? "files" : "tags";
  int columns = 0;
  HWND list = context.ListOf(what, columns);
  if (!list) return context.Say(what + ": not open");
  PumpPending();
  ListView view = ReadListView(list, columns);
  std::string summary;
  if (what == "files") {
    summary = "filter \"" + WindowText(context.FilterEdit(FilePickerDialog::kComboId)) + "\": ";
  } else {
    summary = "parent filter \"" + WindowText(context.FilterEdit(TagBrowserDialog::kParentComboId)) +
              "\", tag filter \"" + WindowText(context.FilterEdit(TagBrowserDialog::kTagComboId)) + "\": ";
  }
  summary += std::to_string(view.count) + " rows";
  if (!view.rows.empty()) {
    summary += ", rows " + std::to_string(view.rows.front()) + " to " + std::to_string(view.rows.back()) + " in view";
  }
  summary += view.selected >= 0 ? ", row " + std::to_string(view.selected) + " selected" : ", none selected";
  int selectedCount = static_cast<int>(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
  if (selectedCount > 1) summary += " (" + std::to_string(selectedCount) + " rows selected)";
  context.Say(summary);
  context.Say("status line \"" + WindowText(GetDlgItem(GetParent(list), kStatusLineId)) + "\"");
  for (const std::string& row : FormatRows(view)) context.Say(row);
}

// The filter's edit box, which gets the focus and becomes the filter last
// typed into; null (the command failed) when its dialog is not open.
HWND FocusFilter(ScriptContext& context, int comboId, const std::string& failure) {
  HWND edit = context.FilterEdit(comboId);
  if (!edit) {
    context.Fail(failure);
    return nullptr;
  }
  context.SetFilter(comboId);
  ::SetFocus(edit);
  return edit;
}

const char* DialogName(int comboId) { return IsFilePicker(comboId) ? "file picker" : "tag browser"; }

}  // namespace

int FilterId(const std::string& name) {
  if (name == "tag") return TagBrowserDialog::kTagComboId;
  if (name == "parent") return TagBrowserDialog::kParentComboId;
  if (name == "file") return FilePickerDialog::kComboId;
  int id = std::atoi(name.c_str());
  return id == FilePickerDialog::kComboId || id == TagBrowserDialog::kParentComboId ||
                 id == TagBrowserDialog::kTagComboId
             ? id
             : 0;
}

void OpenCommand(ScriptContext& context, const ScriptLine& line) {
  MainWindow& window = context.window();
  const std::string& what = line.Word(1);
  if (what == "tags") {
    if (!window.OpenTagBrowser()) return context.Fail("the tag browser did not open");
    context.SetFilter(TagBrowserDialog::kTagComboId);
    PumpPending();
    context.Say("tag browser open (" + std::to_string(context.session().tags().tags().size()) + " tags)");
    return SayRows(context);
  }
  if (what == "files") {
    if (!window.OpenFilePicker()) return context.Fail("the file picker did not open");
    context.SetFilter(FilePickerDialog::kComboId);
    PumpPending();
    context.Say("file picker open (" + std::to_string(context.session().catalog().GetCount()) + " files)");
    return SayRows(context);
  }
  if (what == "extra") {
    if (!window.OpenExtraFiles()) return context.Fail("the extra-files window did not open");
    PumpPending();
    context.Say("extra-files window open");
    return ExtraFilesCommand(context, ScriptLine("xf show"));
  }
  context.Fail("open what? tags, files or extra");
}

void CloseCommand(ScriptContext& context, const ScriptLine& line) {
  std::string target = line.Word(1);
  if (target.empty()) target = IsFilePicker(context.filter()) ? "files" : "tags";
  if (target == "extra") {
    if (ExtraFilesWindow* open = context.window().extraFilesWindow()) open->PostMessage(WM_CLOSE);
    PumpPending();
    return context.Say("extra-files window closed");
  }
  int filter = target == "files" ? FilePickerDialog::kComboId : TagBrowserDialog::kTagComboId;
  HWND edit = context.FilterEdit(filter);
  if (!edit) return context.Fail(target + ": not open");
  PostKey(edit, NamedKey("Escape"));
  context.Say(std::string(DialogName(filter)) + (context.FilterEdit(filter) ? " still open" : " closed"));
}

void PressCommand(ScriptContext& context, const ScriptLine& line) {
  const std::string& keyName = line.Word(1);
  KeyStroke key;
  if (!ParseKeyName(keyName, key)) return context.Fail("unknown key " + keyName);
  MainWindow& window = context.window();
  HWND focus = ::GetFocus();
  if (!focus) focus = window.editor().GetSafeHwnd();
  // The main window's shortcuts read the thread's key state only.
  PostKey(focus, key, false);
  PumpPending();
  // What the key opened, as the person sees it.
  HWND active = ::GetActiveWindow();
  if (window.tagBrowser() && active == window.tagBrowser()->GetSafeHwnd()) {
    context.SetFilter(TagBrowserDialog::kTagComboId);
    context.Say("the tag browser is active");
    return SayRows(context);
  }
  if (window.filePicker() && active == window.filePicker()->GetSafeHwnd()) {
    context.SetFilter(FilePickerDialog::kComboId);
    context.Say("the file picker is active");
    return SayRows(context);
  }
  if (window.extraFilesWindow() && active == window.extraFilesWindow()->GetSafeHwnd()) {
    return context.Say("the extra-files window is active");
  }
  context.Say("the main window is active");
}

void TypeCommand(ScriptContext& context, const ScriptLine& line) {
  HWND edit = FocusFilter(context, FilterId(line.Word(1)), "no open filter " + line.Word(1));
  if (!edit) return;
  TypeText(edit, line.RestAfter(2));
  SayRows(context);
}

void ClearCommand(ScriptContext& context, const ScriptLine& line) {
  HWND edit = FocusFilter(context, FilterId(line.Word(1)), "no open filter " + line.Word(1));
  if (!edit) return;
  KeyStroke back = NamedKey("Back");
  PostKey(edit, NamedKey("End"));
  for (int length = GetWindowTextLengthA(edit); length > 0; --length) PostKey(edit, back);
  SayRows(context);
}

void KeyCommand(ScriptContext& context, const ScriptLine& line) {
  // key KEY goes to the filter last typed into; key FILTER KEY to that filter.
  bool named = line.WordCount() > 2;
  const std::string& keyName = line.Word(named ? 2 : 1);
  KeyStroke key;
  if (!ParseKeyName(keyName, key)) return context.Fail("unknown key " + keyName);
  int id = named ? FilterId(line.Word(1)) : context.filter();
  HWND edit = FocusFilter(context, id, "no open filter to type into");
  if (!edit) return;
  if (!PostKey(edit, key)) context.Fail("the key " + keyName + " did not go through with Ctrl held");
  if (context.FilterEdit(id)) SayRows(context);
}

void ChooseCommand(ScriptContext& context, const ScriptLine&) {
  int filter = context.filter();
  HWND edit = context.FilterEdit(filter);
  if (!edit) return context.Fail("no open dialog to choose in");
  PostKey(edit, NamedKey("Enter"));
  context.ReportMessageBoxes();
  if (context.FilterEdit(filter)) context.Say(std::string(DialogName(filter)) + " still open");
  SayEditor(context);
}

void RowsCommand(ScriptContext& context, const ScriptLine&) { SayRows(context); }

void HistoryCommand(ScriptContext& context, const ScriptLine& line) {
  const std::string& what = line.Word(1);
  struct Filter {
    int id;
    const char* name;
  };
  const std::vector<Filter> filters =
      what == "files" ? std::vector<Filter>{{FilePickerDialog::kComboId, "file"}}
                      : std::vector<Filter>{{TagBrowserDialog::kParentComboId, "parent"},
                                            {TagBrowserDialog::kTagComboId, "tag"}};
  for (const Filter& filter : filters) {
    HWND edit = context.FilterEdit(filter.id);
    if (!edit) return context.Fail(what + ": not open");
    HWND combo = GetParent(edit);
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    std::string text = std::string(filter.name) + " filter history (" + std::to_string(count) + "):";
    for (int i = 0; i < count; ++i) {
      int length = static_cast<int>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0));
      std::string item(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
      SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&item[0]));
      item.resize(static_cast<size_t>(length > 0 ? length : 0));
      text += " \"" + item + "\"";
    }
    context.Say(text);
  }
}
