#pragma once
// The module loaded and created the host's way, with the reference IDE's
// application object, the host's workspace naming the extra-files path, and a
// hidden top-level window active so that the module finds an IDE frame.
#include "fw/String.h"
#include "host/addin/ModuleLoader.h"

class ReferenceIde;

namespace bench {

class ModuleSession {
 public:
  ModuleSession();
  ~ModuleSession();
  ModuleSession(const ModuleSession&) = delete;
  ModuleSession& operator=(const ModuleSession&) = delete;

  bool Load();                // LoadLibrary and the exports; false when the module is missing
  ModuleTable* Create();      // ZorvoRegCreate
  void RunHostLoop();         // handles what is queued, as the host's loop would
  void Destroy();             // ZorvoRegDestroy
  ModuleTable* Table() const { return m_loader.table(); }
  void SetExtraFilesPath(const CString& path);
  ReferenceIde& Ide();

 private:
  struct Objects;
  Objects* m_objects;
  ModuleLoader m_loader;
};

}  // namespace bench
