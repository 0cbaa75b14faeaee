#include "host/script/ScriptRunner.h"
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include "host/script/DialogGeometry.h"
#include "host/script/KeyInput.h"
#include "host/script/ListRows.h"
#include "host/script/WindowCapture.h"

namespace {

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

// The text after the first n words of line.
std::string RestAfter(const std::string& line, int n) {
  size_t pos = 0;
  for (int i = 0; i < n; ++i) {
    pos = line.find_first_not_of(" \t", pos);
    if (pos == std::string::npos) return std::string();
    pos = line.find_first_of(" \t", pos);
    if (pos == std::string::npos) return std::string();
  }
  return pos + 1 <= line.size() ? line.substr(pos + 1) : std::string();
}

std::string Narrow(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &out[0], size, nullptr, nullptr);
  return out;
}

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  GetWindowTextA(window, &text[0], length + 1);
  text.resize(static_cast<size_t>(length > 0 ? length : 0));
  return text;
}

std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// The counts of the last status line in output ("status line \"N of M tags\"");
// false when there is none.
bool LastStatusCounts(const std::string& output, long& shown, long& all) {
  const std::string lead = "status line \"";
  size_t at = output.rfind(lead);
  if (at == std::string::npos) return false;
  const char* text = output.c_str() + at + lead.size();
  char* end = nullptr;
  shown = std::strtol(text, &end, 10);
  if (end == text || std::strncmp(end, " of ", 4) != 0) return false;
  text = end + 4;
  all = std::strtol(text, &end, 10);
  return end != text && (std::strncmp(end, " tags\"", 6) == 0 || std::strncmp(end, " files\"", 7) == 0);
}

}  // namespace

ScriptRunner::ScriptRunner(MainWindow& window, HostSession& session) : m_window(window), m_session(session) {
  m_window.onJump = [this](const TagEntry* tag, bool shown) {
    ReportMessageBoxes();   // a box the jump showed comes first
    Say(std::string("go to tag ") + static_cast<const char*>(tag->name) + ": " + (shown ? "shown" : "not shown"));
    if (!m_window.statusText().empty()) Say("status line: " + m_window.statusText());
  };
  m_window.onFileOpened = [this](const std::string& path, bool opened) {
    Say("open file " + Relative(path) + ": " + (opened ? "opened" : "not opened"));
  };
}

bool ScriptRunner::ReadScript(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) lines.push_back(Trim(line));
  return true;
}

int ScriptRunner::Run(const std::vector<std::string>& lines) {
  PumpPending();
  bool inComment = false;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    if (line[0] == '#') {
      // A comment block is set off from the commands by one empty line.
      std::printf("%s%s\n", inComment ? "" : "\n", line.c_str());
      inComment = true;
      continue;
    }
    inComment = false;
    std::printf("> %s\n", line.c_str());
    m_output.clear();
    Execute(line);
    PumpPending();
    ReportMessageBoxes();
    // A run of expects all look at the command before them.
    if (line.compare(0, 6, "expect") != 0) m_lastOutput = m_output;
    std::fflush(stdout);
  }
  return m_failures;
}

void ScriptRunner::Say(const std::string& text) {
  std::printf("  %s\n", text.c_str());
  m_output += text + "\n";
}

void ScriptRunner::Fail(const std::string& text) {
  Say("FAILED: " + text);
  ++m_failures;
}

void ScriptRunner::ReportMessageBoxes() {
  for (std::string text : m_boxes.TakeTexts()) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    Say("message box: \"" + text + "\" (closed with OK)");
  }
}

void ScriptRunner::Execute(const std::string& line) {
  std::vector<std::string> w = Words(line);
  const std::string& command = w[0];
  auto arg = [&](size_t i) { return i < w.size() ? w[i] : std::string(); };
  if (command == "open") return Open(arg(1));
  if (command == "close") return Close(arg(1));
  if (command == "type") return Type(arg(1), RestAfter(line, 2));
  if (command == "clear") return Clear(arg(1));
  if (command == "key") return w.size() > 2 ? Key(arg(1), arg(2)) : Key(std::string(), arg(1));
  if (command == "choose") return Choose();
  if (command == "press") return Press(arg(1));
  if (command == "rows") return Rows();
  if (command == "editor") return Editor();
  if (command == "edit") return Edit(arg(1), std::atoi(arg(2).c_str()), RestAfter(line, 3));
  if (command == "widths") return Widths(arg(1));
  if (command == "width") return SetWidth(arg(1), std::atoi(arg(2).c_str()), std::atoi(arg(3).c_str()));
  if (command == "size") return Size(arg(1));
  if (command == "resize") return Resize(arg(1), std::atoi(arg(2).c_str()), std::atoi(arg(3).c_str()));
  if (command == "history") return History(arg(1));
  if (command == "restart") return Restart();
  if (command == "reload") {
    m_window.ReloadTags();
    Say("tags read again: " + std::to_string(m_session.tags().tags().size()) + " tags");
    return;
  }
  if (command == "xf") return ExtraFiles(w, line);
  if (command == "screenshot") return Screenshot(arg(1), RestAfter(line, 2));
  if (command == "expect") return Expect(RestAfter(line, 1));
  if (command == "echo") return Say(RestAfter(line, 1));
  Fail("unknown command: " + command);
}

int ScriptRunner::FilterId(const std::string& name) {
  if (name == "tag") return TagBrowserDialog::kTagComboId;
  if (name == "parent") return TagBrowserDialog::kParentComboId;
  if (name == "file") return FilePickerDialog::kComboId;
  int id = std::atoi(name.c_str());
  return id == 1021 || id == 1051 || id == 1052 ? id : 0;
}

HWND ScriptRunner::FilterEdit(int comboId) const {
  if (comboId == FilePickerDialog::kComboId) {
    FilePickerDialog* dialog = m_window.filePicker();
    return dialog ? dialog->EditOf(comboId) : nullptr;
  }
  TagBrowserDialog* dialog = m_window.tagBrowser();
  return dialog ? dialog->EditOf(comboId) : nullptr;
}

HWND ScriptRunner::ListOf(const std::string& what, int& columns) const {
  if (what == "files") {
    columns = 2;
    FilePickerDialog* dialog = m_window.filePicker();
    return dialog ? dialog->ItemHwnd(FilePickerDialog::kListId) : nullptr;
  }
  columns = 6;
  TagBrowserDialog* dialog = m_window.tagBrowser();
  return dialog ? dialog->ItemHwnd(TagBrowserDialog::kListId) : nullptr;
}

std::string ScriptRunner::Relative(const std::string& path) const {
  const std::string& root = m_session.options().workspace + "\\";
  return path.compare(0, root.size(), root) == 0 ? path.substr(root.size()) : path;
}

void ScriptRunner::Open(const std::string& what) {
  if (what == "tags") {
    if (!m_window.OpenTagBrowser()) return Fail("the tag browser did not open");
    m_filter = TagBrowserDialog::kTagComboId;
    PumpPending();
    Say("tag browser open (" + std::to_string(m_session.tags().tags().size()) + " tags)");
    return Rows();
  }
  if (what == "files") {
    if (!m_window.OpenFilePicker()) return Fail("the file picker did not open");
    m_filter = FilePickerDialog::kComboId;
    PumpPending();
    Say("file picker open (" + std::to_string(m_session.catalog().GetCount()) + " files)");
    return Rows();
  }
  if (what == "extra") {
    if (!m_window.OpenExtraFiles()) return Fail("the extra-files window did not open");
    PumpPending();
    Say("extra-files window open");
    return ExtraFiles({"xf", "show"}, "xf show");
  }
  Fail("open what? tags, files or extra");
}

void ScriptRunner::Close(const std::string& what) {
  std::string target = what;
  if (target.empty()) target = m_filter == FilePickerDialog::kComboId ? "files" : "tags";
  if (target == "extra") {
    if (ExtraFilesWindow* open = m_window.extraFilesWindow()) open->PostMessage(WM_CLOSE);
    PumpPending();
    return Say("extra-files window closed");
  }
  int filter = target == "files" ? FilePickerDialog::kComboId : TagBrowserDialog::kTagComboId;
  HWND edit = FilterEdit(filter);
  if (!edit) return Fail(target + ": not open");
  KeyStroke escape;
  ParseKeyName("Escape", escape);
  PostKey(edit, escape);
  Say(std::string(target == "files" ? "file picker" : "tag browser") + (FilterEdit(filter) ? " still open" : " closed"));
}

void ScriptRunner::Type(const std::string& filter, const std::string& text) {
  int id = FilterId(filter);
  HWND edit = FilterEdit(id);
  if (!edit) return Fail("no open filter " + filter);
  m_filter = id;
  ::SetFocus(edit);
  TypeText(edit, text);
  Rows();
}

void ScriptRunner::Clear(const std::string& filter) {
  int id = FilterId(filter);
  HWND edit = FilterEdit(id);
  if (!edit) return Fail("no open filter " + filter);
  m_filter = id;
  ::SetFocus(edit);
  KeyStroke end, back;
  ParseKeyName("End", end);
  ParseKeyName("Back", back);
  PostKey(edit, end);
  for (int length = GetWindowTextLengthA(edit); length > 0; --length) PostKey(edit, back);
  Rows();
}

void ScriptRunner::Key(const std::string& filter, const std::string& keyName) {
  KeyStroke key;
  if (!ParseKeyName(keyName, key)) return Fail("unknown key " + keyName);
  int id = filter.empty() ? m_filter : FilterId(filter);
  HWND edit = FilterEdit(id);
  if (!edit) return Fail("no open filter to type into");
  m_filter = id;
  ::SetFocus(edit);
  if (!PostKey(edit, key)) Fail("the key " + keyName + " did not go through with Ctrl held");
  if (FilterEdit(id)) Rows();
}

void ScriptRunner::Press(const std::string& keyName) {
  KeyStroke key;
  if (!ParseKeyName(keyName, key)) return Fail("unknown key " + keyName);
  HWND focus = ::GetFocus();
  if (!focus) focus = m_window.editor().GetSafeHwnd();
  // The main window's shortcuts read the thread's key state only.
  PostKey(focus, key, false);
  PumpPending();
  // What the key opened, as the person sees it.
  if (m_window.tagBrowser() && ::GetActiveWindow() == m_window.tagBrowser()->GetSafeHwnd()) {
    m_filter = TagBrowserDialog::kTagComboId;
    Say("the tag browser is active");
    return Rows();
  }
  if (m_window.filePicker() && ::GetActiveWindow() == m_window.filePicker()->GetSafeHwnd()) {
    m_filter = FilePickerDialog::kComboId;
    Say("the file picker is active");
    return Rows();
  }
  if (m_window.extraFilesWindow() && ::GetActiveWindow() == m_window.extraFilesWindow()->GetSafeHwnd()) {
    return Say("the extra-files window is active");
  }
  Say("the main window is active");
}

void ScriptRunner::Choose() {
  HWND edit = FilterEdit(m_filter);
  if (!edit) return Fail("no open dialog to choose in");
  KeyStroke enter;
  ParseKeyName("Enter", enter);
  PostKey(edit, enter);
  ReportMessageBoxes();
  if (FilterEdit(m_filter)) Say(std::string(m_filter == FilePickerDialog::kComboId ? "file picker" : "tag browser") + " still open");
  Editor();
}

void ScriptRunner::Rows() {
  std::string what = m_filter == FilePickerDialog::kComboId ? "files" : "tags";
  int columns = 0;
  HWND list = ListOf(what, columns);
  if (!list) return Say(what + ": not open");
  PumpPending();
  ListView view = ReadListView(list, columns);
  std::string summary;
  if (what == "files") {
    summary = "filter \"" + WindowText(FilterEdit(FilePickerDialog::kComboId)) + "\": ";
  } else {
    summary = "parent filter \"" + WindowText(FilterEdit(TagBrowserDialog::kParentComboId)) + "\", tag filter \"" +
              WindowText(FilterEdit(TagBrowserDialog::kTagComboId)) + "\": ";
  }
  summary += std::to_string(view.count) + " rows";
  if (!view.rows.empty()) {
    summary += ", rows " + std::to_string(view.rows.front()) + " to " + std::to_string(view.rows.back()) + " in view";
  }
  summary += view.selected >= 0 ? ", row " + std::to_string(view.selected) + " selected" : ", none selected";
  int selectedCount = static_cast<int>(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
  if (selectedCount > 1) summary += " (" + std::to_string(selectedCount) + " rows selected)";
  Say(summary);
  Say("status line \"" + WindowText(GetDlgItem(GetParent(list), kStatusLineId)) + "\"");
  for (const std::string& row : FormatRows(view)) Say(row);
}

void ScriptRunner::Editor() {
  PumpPending();
  EditorView& editor = m_window.editor();
  if (editor.FileName().empty()) return Say("editor: no document");
  int caret = editor.CaretLine();
  const std::vector<std::wstring>& lines = m_session.ide().ActiveLines();
  std::string text = caret >= 1 && caret <= static_cast<int>(lines.size()) ? Narrow(lines[caret - 1]) : "";
  Say("editor: " + Relative(Narrow(editor.FileName())) + " line " + std::to_string(caret) + " of " +
      std::to_string(lines.size()) + (editor.CaretCentred() ? ", centred" : ", not centred") + " (top line " +
      std::to_string(editor.TopLine()) + ")");
  Say("  " + std::to_string(caret) + ": " + text);
}

void ScriptRunner::Edit(const std::string& file, int line, const std::string& text) {
  // A change made in another editor after the tags were written.
  std::string path = m_session.WorkspacePath(file);
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail("cannot read " + file);
  std::vector<std::string> lines;
  std::string current;
  while (std::getline(in, current)) lines.push_back(current);
  in.close();
  if (line < 1 || line > static_cast<int>(lines.size())) return Fail("no line " + std::to_string(line) + " in " + file);
  bool crlf = !lines[line - 1].empty() && lines[line - 1].back() == '\r';
  std::string old = lines[line - 1];
  lines[line - 1] = text + (crlf ? "\r" : "");
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const std::string& each : lines) out << each << "\n";
  if (crlf) old.pop_back();
  Say(file + " line " + std::to_string(line) + " was: " + old);
  Say(file + " line " + std::to_string(line) + " now: " + text);
}

void ScriptRunner::Widths(const std::string& what) {
  int columns = 0;
  HWND list = ListOf(what, columns);
  if (!list) return Fail(what + ": not open");
  std::string text = what + " column widths:";
  for (int width : ColumnWidths(list, columns)) text += " " + std::to_string(width);
  Say(text);
}

void ScriptRunner::SetWidth(const std::string& what, int column, int width) {
  int columns = 0;
  HWND list = ListOf(what, columns);
  if (!list || column < 0 || column >= columns) return Fail("no such column");
  SendMessageA(list, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
  PumpPending();
  Widths(what);
}

void ScriptRunner::Size(const std::string& what) {
  int columns = 0;
  HWND list = ListOf(what, columns);
  if (!list) return Fail(what + ": not open");
  Say(std::string(what == "files" ? "file picker " : "tag browser ") +
      DescribeGeometry(MeasureDialog(GetParent(list), list, columns)));
}

void ScriptRunner::Resize(const std::string& what, int width, int height) {
  int columns = 0;
  HWND list = ListOf(what, columns);
  if (!list || width <= 0 || height <= 0) return Fail("resize tags|files WIDTH HEIGHT, with the dialog open");
  HWND dialog = GetParent(list);
  DialogGeometry before = MeasureDialog(dialog, list, columns);
  // As a person drags the frame: the dialog gets the size, its items follow.
  SetWindowPos(dialog, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  PumpPending();
  Say("resized: " + DescribeChange(before, MeasureDialog(dialog, list, columns)));
  Size(what);
}

void ScriptRunner::History(const std::string& what) {
  std::vector<int> combos;
  if (what == "files") combos = {FilePickerDialog::kComboId};
  else combos = {TagBrowserDialog::kParentComboId, TagBrowserDialog::kTagComboId};
  for (int id : combos) {
    HWND edit = FilterEdit(id);
    if (!edit) return Fail(what + ": not open");
    HWND combo = GetParent(edit);
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    std::string text = std::string(id == 1051 ? "parent" : id == 1052 ? "tag" : "file") + " filter history (" +
                       std::to_string(count) + "):";
    for (int i = 0; i < count; ++i) {
      int length = static_cast<int>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0));
      std::string item(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
      SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&item[0]));
      item.resize(static_cast<size_t>(length > 0 ? length : 0));
      text += " \"" + item + "\"";
    }
    Say(text);
  }
}

void ScriptRunner::Restart() {
  std::string error;
  if (!m_window.RestartModule(error)) return Fail(error);
  PumpPending();
  m_filter = 0;
  Say("module unloaded and loaded again; settings read from " + m_session.options().profile);
}

void ScriptRunner::ExtraFiles(const std::vector<std::string>& w, const std::string& line) {
  ExtraFilesController& files = m_window.extraFiles();
  files.SetTable(m_session.table());
  std::string sub = w.size() > 1 ? w[1] : std::string();
  std::string status;
  // With the window open, its own fields and buttons do the work.
  ExtraFilesWindow* window = m_window.extraFilesWindow();
  auto click = [&](int id) {
    ::SendMessageA(window->GetDlgItem(id), BM_CLICK, 0, 0);
    PumpPending();
  };
  if (sub == "add" && w.size() >= 4) {
    unsigned char flags = 0;
    if (!ExtraFilesController::ParseFlagDigits(w[3], flags)) return Fail("flags are two digits, e.g. 10");
    if (window) {
      ::SetWindowTextA(window->GetDlgItem(ExtraFilesWindow::kNameId), w[2].c_str());
      ::SendMessageA(window->GetDlgItem(ExtraFilesWindow::kFirstFlagId), BM_SETCHECK, (flags & 1) ? BST_CHECKED : BST_UNCHECKED, 0);
      ::SendMessageA(window->GetDlgItem(ExtraFilesWindow::kSecondFlagId), BM_SETCHECK, (flags & 2) ? BST_CHECKED : BST_UNCHECKED, 0);
      click(ExtraFilesWindow::kAddId);
    } else {
      files.Add(w[2], flags);
    }
    status = "added " + w[2] + " " + w[3];
  } else if (sub == "remove" && w.size() >= 3) {
    if (!files.Remove(std::atoi(w[2].c_str()))) return Fail("no entry " + w[2]);
    status = "removed entry " + w[2];
  } else if (sub == "flags" && w.size() >= 4) {
    unsigned char flags = 0;
    if (!ExtraFilesController::ParseFlagDigits(w[3], flags) || !files.SetFlags(std::atoi(w[2].c_str()), flags))
      return Fail("xf flags N FLAGS");
    status = "entry " + w[2] + " flags " + w[3];
  } else if (sub == "clear") {
    files.Clear();
    status = "list emptied";
  } else if (sub == "save") {
    if (window) {
      click(ExtraFilesWindow::kSaveId);
      status = "Save clicked: " + WindowText(window->GetDlgItem(ExtraFilesWindow::kStatusId));
    } else {
      bool saved = files.Save();
      status = std::string("saved to ") + Relative(m_session.options().extraFiles) + ": " + (saved ? "true" : "false");
    }
  } else if (sub == "load" && w.size() >= 3 && (w[2] == "sync" || w[2] == "nosync")) {
    bool sync = w[2] == "sync";
    if (window) {
      click(sync ? ExtraFilesWindow::kLoadSyncId : ExtraFilesWindow::kLoadId);
      status = std::string(sync ? "Load + sync" : "Load") + " clicked: " +
               WindowText(window->GetDlgItem(ExtraFilesWindow::kStatusId));
    } else {
      bool loaded = files.Load(sync);
      if (sync) m_window.RebuildCatalog();
      status = std::string("loaded ") + (sync ? "with" : "without") + " synchronisation: " + (loaded ? "true" : "false");
    }
  } else if (sub == "show") {
    files.Fetch();
  } else {
    return Fail("xf: " + line);
  }
  if (!status.empty()) Say(status);
  std::vector<HostExtraFileEntry> entries = files.Entries();
  Say("extra files (" + std::to_string(entries.size()) + "):");
  for (const HostExtraFileEntry& entry : entries) {
    Say("  " + ExtraFilesController::FlagDigits(entry.flags) + " " + static_cast<const char*>(entry.name) +
        "  [workspace: " + files.WorkspaceState(entry.name) + "]");
  }
  if (window && sub != "add" && sub != "save" && sub != "load") window->Refresh(status);
}

void ScriptRunner::Screenshot(const std::string& what, const std::string& file) {
  HWND window = nullptr;
  if (what == "tags" && m_window.tagBrowser()) window = m_window.tagBrowser()->GetSafeHwnd();
  if (what == "files" && m_window.filePicker()) window = m_window.filePicker()->GetSafeHwnd();
  if (what == "extra" && m_window.extraFilesWindow()) window = m_window.extraFilesWindow()->GetSafeHwnd();
  if (what == "editor" || what == "main") window = m_window.GetSafeHwnd();
  if (!window) return Fail("screenshot: " + what + " is not open");
  std::string path = FullPath(file);
  if (!CaptureWindow(window, path)) return Fail("screenshot: cannot write " + path);
  Say("screenshot of " + what + " written");
}

void ScriptRunner::Expect(const std::string& text) {
  if (text == "narrowed") {
    long shown = 0, all = 0;
    if (!LastStatusCounts(m_lastOutput, shown, all)) return Fail("expected a status line \"N of M\" in the output above");
    if (shown <= 0 || shown >= all)
      return Fail("expected the filters to narrow the list: " + std::to_string(shown) + " of " + std::to_string(all));
    return Say("ok (" + std::to_string(shown) + " of " + std::to_string(all) + ")");
  }
  if (m_lastOutput.find(text) != std::string::npos) {
    Say("ok");
  } else {
    Fail("expected \"" + text + "\" in the output above");
  }
}
