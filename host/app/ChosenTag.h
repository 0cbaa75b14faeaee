#pragma once
// What the host does the moment a tag is chosen (the tag browser's Enter or
// double click, a script's choose, the jump check), just before it hands the
// tag to the module's go-to-tag entry: it sets the line the tag reports for
// that jump, decided from the text the jump will see, the IDE's open document
// of the tag's file or else the file on disk (JumpLine.h). The line then stays
// as it is until the tag is chosen again.
#include "host/ctags/TagSet.h"
#include "host/ide/ReferenceIde.h"

void PrepareJump(const TagSet& tags, ReferenceIde& ide, TagEntry* tag);
