#include "host/app/ChosenTag.h"
#include "host/ctags/JumpLine.h"
#include "host/ide/AnsiText.h"

void PrepareJump(const TagSet& tags, ReferenceIde& ide, TagEntry* tag) {
  const CtagsEntry* entry = tags.EntryOf(tag);
  // Jumps by the tags file's lines, and tags without a pattern, keep the line set at load.
  if (!entry || tags.jumpByLine() || entry->searchString.empty()) return;
  // The file name as the module hands it to the IDE's open call.
  std::wstring fileName = AnsiToWide(static_cast<const char*>(tag->fileName));
  std::vector<std::wstring> disk;
  const std::vector<std::wstring>* lines = nullptr;
  if (IdeDocument* open = ide.Documents().Find(fileName)) {
    lines = &open->Lines();
  } else if (ReadTextFileLines(fileName, disk)) {
    lines = &disk;
  }
  // A file that cannot be read is not opened either: the module reports that itself.
  tag->line = lines ? ChooseJumpLine(*lines, *entry) : -1;
}
