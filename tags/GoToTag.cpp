// The go-to-tag and last-tag entries: show a host tag in the IDE's editor and
// remember the tag of the last successful jump.
#include "fw/MessageBox.h"
#include "module/Entries.h"
#include "module/HostInterfaces.h"
#include "module/ModuleState.h"
#include "tags/AutomationContext.h"
#include "tags/EditorCommands.h"
#include "tags/TagPattern.h"

namespace {

// The host's tag object of the last successful jump; never called after the
// entry that stored it has returned.
HostTag* g_rememberedTag = nullptr;

void ShowPatternNotFound(HostTag* tag) {
  const char* name = tag->GetName();
  CString message = CString("Unable to find ") + (name ? name : "") +
                    ".  Please save all files and refresh the tags.\n";
  AfxMessageBox(message, MB_OK, 0);
}

}  // namespace

HostTag* GetLastTag() { return g_rememberedTag; }

bool GoToTag(HostTag* tag) {
  if (!tag) {
    g_rememberedTag = nullptr;
    return false;
  }
  if (!g_ideApplication) return false;

  // Ends (releases everything it took) on every way out of this function.
  AutomationContext context(g_ideApplication);
  OpenDocument(context, tag->GetFileName());
  context.AcquireDocumentInterfaces();
  context.AcquireSelection();
  if (!context.Document()) {
    g_rememberedTag = nullptr;
    return false;
  }
  // A document without a text selection cannot be shown at the tag.
  ide::ITextSelection* selection = context.Selection();
  if (!selection) return false;

  int line = tag->GetLine();
  if (line != -1) {
    MoveCaretToLine(selection, line);
  } else {
    MoveCaretToLine(selection, 1);
    CStringArray optionWords;
    optionWords.Add("matchcase");
    CString pattern = PatternFromSearchString(tag->GetSearchString());
    // An empty pattern names no place in the file: the tag cannot be found.
    if (pattern.IsEmpty() || !FindText(selection, pattern, optionWords)) {
      ShowPatternNotFound(tag);
      return false;
    }
  }
  ScrollToCenter(g_ideApplication);
  selection->Refresh();
  g_rememberedTag = tag;
  return true;
}
