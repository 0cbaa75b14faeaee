#pragma once
// What the host does the moment a tag is chosen (the tag browser's Enter or
// double click, a script's choose, the jump check), just before it hands the
// tag to the module's go-to-tag entry: it sets the line the tag reports for
// that jump, decided from the text the jump will see, the IDE's open document
// of the tag's file or else the file on disk (JumpLine.h). The line then stays
// as it is until the tag is chosen again.
#include <string>
#include "host/tagstore/TagSet.h"
#include "host/ide/ReferenceIde.h"

// Returns what the status line says about the jump: empty, or, when the
// tag's line is gone while another line still holds its text (where the
// module's search then stops, with no message of its own), that the
// definition is not where the tags say.
std::string PrepareJump(const TagSet& tags, ReferenceIde& ide, TagEntry* tag);

// That status text for a tag.
std::string NotWhereTheTagsSay(const CtagsEntry& entry);
