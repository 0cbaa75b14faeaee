#pragma once
// The host's side of the extra-files list: its own list (the layout shared
// with the module), handed to the module with SetExtraFiles and fetched back
// with GetExtraFiles, and the module's save and load entries. Flags are
// written as two digits, bit 0 then bit 1 ("10": add to workspace only).
#include <string>
#include <vector>
#include "host/addin/HostExtraFileList.h"
#include "host/addin/ModuleTable.h"
#include "host/addin/Workspace.h"

class ExtraFilesController {
 public:
  ExtraFilesController(ModuleTable* table, Workspace* workspace) : m_table(table), m_workspace(workspace) {}

  void SetTable(ModuleTable* table) { m_table = table; }
  // The module's list, fetched into the host's list.
  void Fetch();
  // Changes the host's list and hands it to the module.
  void Add(const std::string& name, unsigned char flags);
  bool Remove(int index);
  bool SetFlags(int index, unsigned char flags);
  void Clear();
  // SaveExtraFiles (the host's list first goes to the module).
  bool Save();
  // LoadExtraFiles, then the module's list is fetched; the result is the entry's.
  bool Load(bool synchronise);

  std::vector<HostExtraFileEntry> Entries() const { return m_list.Entries(); }
  // "first=1 second=0" for a name the workspace has, "not in the workspace" otherwise.
  std::string WorkspaceState(const CString& name) const;

  static std::string FlagDigits(unsigned char flags);
  // "00", "10", "01" or "11"; false for anything else.
  static bool ParseFlagDigits(const std::string& text, unsigned char& flags);

 private:
  void Hand();

  ModuleTable* m_table;
  Workspace* m_workspace;
  HostExtraFiles m_list;
};
