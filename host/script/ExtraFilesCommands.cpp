#include "host/script/ExtraFilesCommands.h"
#include <vector>
#include "host/script/KeyInput.h"

void ExtraFilesCommand(ScriptContext& context, const ScriptLine& line) {
  MainWindow& main = context.window();
  HostSession& session = context.session();
  ExtraFilesController& files = main.extraFiles();
  files.SetTable(session.table());
  const std::string& sub = line.Word(1);
  size_t words = line.WordCount();
  std::string status;
  ExtraFilesWindow* window = main.extraFilesWindow();
  auto click = [&](int id) {
    ::SendMessageA(window->GetDlgItem(id), BM_CLICK, 0, 0);
    PumpPending();
  };
  auto check = [&](int id, bool checked) {
    ::SendMessageA(window->GetDlgItem(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  };
  if (sub == "add" && words >= 4) {
    unsigned char flags = 0;
    if (!ExtraFilesController::ParseFlagDigits(line.Word(3), flags)) return context.Fail("flags are two digits, e.g. 10");
    if (window) {
      ::SetWindowTextA(window->GetDlgItem(ExtraFilesWindow::kNameId), line.Word(2).c_str());
      check(ExtraFilesWindow::kFirstFlagId, flags & kAddToWorkspaceFlag);
      check(ExtraFilesWindow::kSecondFlagId, flags & kSecondFlag);
      click(ExtraFilesWindow::kAddId);
    } else {
      files.Add(line.Word(2), flags);
    }
    status = "added " + line.Word(2) + " " + line.Word(3);
  } else if (sub == "remove" && words >= 3) {
    if (!files.Remove(line.Number(2))) return context.Fail("no entry " + line.Word(2));
    status = "removed entry " + line.Word(2);
  } else if (sub == "flags" && words >= 4) {
    unsigned char flags = 0;
    if (!ExtraFilesController::ParseFlagDigits(line.Word(3), flags) || !files.SetFlags(line.Number(2), flags))
      return context.Fail("xf flags N FLAGS");
    status = "entry " + line.Word(2) + " flags " + line.Word(3);
  } else if (sub == "clear") {
    files.Clear();
    status = "list emptied";
  } else if (sub == "save") {
    if (window) {
      click(ExtraFilesWindow::kSaveId);
      status = "Save clicked: " + WindowText(window->GetDlgItem(ExtraFilesWindow::kStatusId));
    } else {
      bool saved = files.Save();
      status = "saved to " + context.Relative(session.options().extraFiles) + ": " + (saved ? "true" : "false");
    }
  } else if (sub == "load" && words >= 3 && (line.Word(2) == "sync" || line.Word(2) == "nosync")) {
    bool sync = line.Word(2) == "sync";
    if (window) {
      click(sync ? ExtraFilesWindow::kLoadSyncId : ExtraFilesWindow::kLoadId);
      status = std::string(sync ? "Load + sync" : "Load") + " clicked: " +
               WindowText(window->GetDlgItem(ExtraFilesWindow::kStatusId));
    } else {
      bool loaded = files.Load(sync);
      if (sync) main.RebuildCatalog();
      status = std::string("loaded ") + (sync ? "with" : "without") + " synchronisation: " + (loaded ? "true" : "false");
    }
  } else if (sub == "show") {
    files.Fetch();
  } else {
    return context.Fail("xf: " + line.text());
  }
  if (!status.empty()) context.Say(status);
  std::vector<HostExtraFileEntry> entries = files.Entries();
  context.Say("extra files (" + std::to_string(entries.size()) + "):");
  for (const HostExtraFileEntry& entry : entries) {
    context.Say("  " + ExtraFilesController::FlagDigits(entry.flags) + " " + static_cast<const char*>(entry.name) +
                "  [workspace: " + files.WorkspaceState(entry.name) + "]");
  }
  // Add, save and load went through the window, which said so itself.
  if (window && sub != "add" && sub != "save" && sub != "load") window->Refresh(status);
}
