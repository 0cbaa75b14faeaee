#pragma once
// The editor operations of a jump to a tag, made through the IDE's automation
// interfaces that an automation context holds.
#include "fw/StringArray.h"
#include "tags/IdeInterfaces.h"

class IdeApplication;

// Opens the file through the context's documents interface (the IDE's own,
// else the alternate; no call without either) into the context's document field.
class AutomationContext;
void OpenDocument(AutomationContext& context, const char* fileName);

// Puts the caret on the line, column 1.
void MoveCaretToLine(ide::ITextSelection* selection, long line);

// Finds the pattern from the caret with the flags that the option words name;
// true when the IDE reports a match. A call that fails without writing the
// found flag counts as not found.
bool FindText(ide::ITextSelection* selection, const char* pattern, const CStringArray& optionWords);

// Has the IDE centre its window on the caret ("WindowScrollToCenter").
void ScrollToCenter(IdeApplication* application);
