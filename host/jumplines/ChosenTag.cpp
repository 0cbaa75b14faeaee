#include "host/jumplines/ChosenTag.h"
#include "host/jumplines/JumpLine.h"
#include "host/ide/AnsiText.h"
#include <optional>
#include <vector>

std::string NotWhereTheTagsSay(const CtagsEntry& entry) {
  return entry.name + ": not found where the tags say (line " + std::to_string(entry.line) +
         "); the caret is on a line holding its text. F5 reads the tags again.";
}

std::string PrepareJump(const TagSet& tags, ReferenceIde& ide, TagEntry* tag) {
  const std::optional<CtagsEntry> entry = tags.EntryOf(tag);
  // Jumps by the tags file's lines, and tags without a pattern, keep the line set at load.
  if (!entry || tags.jumpByLine() || entry->searchString.empty()) return std::string();
  // The file name as the module hands it to the IDE's open call.
  std::wstring fileName = AnsiToWide(tag->FileName());
  std::vector<std::wstring> disk;
  const std::vector<std::wstring>* lines = nullptr;
  if (IdeDocument* open = ide.Documents().Find(fileName)) {
    lines = &open->Lines();
  } else if (ReadTextFileLines(fileName, disk)) {
    lines = &disk;
  }
  // A file that cannot be read is not opened either: the module reports that itself.
  if (!lines) {
    tag->SetJumpLine(-1);
    return std::string();
  }
  const std::vector<CtagsEntry> fileEntries = tags.EntriesOfFile(tag);
  std::vector<const CtagsEntry*> fileTags;
  fileTags.reserve(fileEntries.size());
  for (const CtagsEntry& other : fileEntries) fileTags.push_back(&other);
  JumpChoice choice = ChooseJumpLine(*lines, *entry, fileTags);
  tag->SetJumpLine(choice.line);
  return choice.landing == JumpChoice::TextElsewhere ? NotWhereTheTagsSay(*entry) : std::string();
}
