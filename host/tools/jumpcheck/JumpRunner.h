#pragma once
// The host's side of one jump after another, as the tag browser makes them:
// the IDE's main window, the reference IDE, ZorvoReg.mod created with both,
// and a watcher that reads and closes the module's message boxes.
#include <memory>
#include <string>
#include <vector>
#include "fw/Wnd.h"
#include "host/script/MessageBoxWatcher.h"
#include "host/tagstore/TagSet.h"
#include "host/ide/ReferenceIde.h"
#include "host/addin/ModuleLoader.h"
#include "host/addin/Workspace.h"

struct JumpOutcome {
  int reported = -1;                // the line the tag reported to the module
  bool shown = false;               // the go-to-tag entry's result
  int caret = 0;                    // the caret's line in the tag's file, 0 when that file is not active
  std::vector<std::string> boxes;   // texts of the message boxes the jump showed
  std::string status;               // what the host's status line said about the jump
};

class JumpRunner {
 public:
  JumpRunner();
  ~JumpRunner();   // ZorvoRegDestroy, then the library and the window go
  JumpRunner(const JumpRunner&) = delete;
  JumpRunner& operator=(const JumpRunner&) = delete;

  // Loads and creates the module; false when ZorvoReg.mod cannot be loaded.
  bool Start();
  // Chooses the tag (the host's jump line unless searchOnly) and jumps.
  JumpOutcome Jump(const TagSet& tags, TagEntry* tag, bool searchOnly);

 private:
  CWnd m_frame;
  ReferenceIde m_ide;
  Workspace m_workspace;
  ModuleLoader m_module;
  ModuleTable* m_table = nullptr;
  std::unique_ptr<MessageBoxWatcher> m_boxes;
};
