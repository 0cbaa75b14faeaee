#include "tags/EditorCommands.h"

#include "module/HostInterfaces.h"
#include "tags/AutomationContext.h"
#include "tags/AutomationValues.h"
#include "tags/SearchOptions.h"

void OpenDocument(AutomationContext& context, const char* fileName) {
  ide::IDocuments* documents = context.Documents();
  if (!documents) return;
  ScopedAutomationString name(fileName);
  ScopedVariant type;
  AnsiToStringVariant(type.get(), "Auto");
  ScopedVariant readOnly;
  ShortToVariant(readOnly.get(), 0);
  documents->Open(name.get(), type.get(), readOnly.get(), context.EmptiedDocumentField());
}

void MoveCaretToLine(ide::ITextSelection* selection, long line) {
  ScopedVariant mode;
  LongToVariant(mode.get(), 0);
  selection->MoveTo(line, 1, mode.get());
}

bool FindText(ide::ITextSelection* selection, const char* pattern, const CStringArray& optionWords) {
  ScopedVariant flags;
  LongToVariant(flags.get(), SearchFlagsFromWords(optionWords));
  ScopedAutomationString text(pattern);
  VARIANT_BOOL found = VARIANT_FALSE;
  selection->FindText(text.get(), flags.get(), &found);
  return found != VARIANT_FALSE;
}

void ScrollToCenter(IdeApplication* application) {
  ScopedAutomationString command("WindowScrollToCenter");
  application->ExecuteCommand(command.get());
}
