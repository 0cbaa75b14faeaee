#pragma once
// Everything the host add-in holds while the IDE runs: the reference IDE,
// the workspace (a folder of source files), the tags read from the tags
// file, the file catalog the file picker shows, and the loaded module with
// its operation table. Start and Stop load and unload the module exactly as
// the add-in does; Restart does both (the module then reads its settings
// again from the profile store). Load reads the tags and lists the
// workspace, and ends with the tags: the listing goes on meanwhile, and its
// files join the workspace at their first use (Workspace::SetPendingFiles).
// Both show their progress on the console when they take a while, and to
// whoever asks for it (the main window's status line).
#include <atomic>
#include <functional>
#include <future>
#include <string>
#include <vector>
#include "host/app/HostOptions.h"
#include "host/tagstore/TagSet.h"
#include "host/ide/ReferenceIde.h"
#include "host/addin/ModuleLoader.h"
#include "host/addin/FileEntry.h"
#include "host/addin/Workspace.h"

class HostSession {
 public:
  // What a load shows as it goes: one line of text, "" when it is over.
  using Progress = std::function<void(const std::string& text)>;

  explicit HostSession(const HostOptions& options);
  ~HostSession();

  // Reads the tags, and lists the workspace on threads of its own; returns
  // with the tags.
  void Load(const Progress& show = Progress());
  // The workspace's listing has ended (its files may not have joined yet).
  bool WorkspaceListed() const;
  // Waits for the listing, showing its progress, and adds its files.
  void AwaitWorkspace(const Progress& show = Progress());

  // Loads ZorvoReg.mod and calls ZorvoRegCreate; the IDE's main window must
  // exist (SetMainWindow) so that the module finds its frame. False with a
  // message when the module cannot be loaded.
  bool Start(std::string& error);
  void Stop();   // ZorvoRegDestroy, then FreeLibrary

  ModuleTable* table() const { return m_loader.table(); }
  ReferenceIde& ide() { return m_ide; }
  // The workspace as the module has it; its files wait for the listing when first used.
  Workspace& workspace() { return m_workspace; }
  TagSet& tags() { return m_tags; }
  FileCatalog& catalog() {
    m_workspace.Settle();
    return m_catalog;
  }
  const HostOptions& options() const { return m_options; }

  // Reads the tags file again (the F5 request); false when it cannot be read.
  bool ReloadTags(const Progress& show = Progress());
  // The catalog again from the workspace's files (scanned ones and those the
  // module's synchronisation added).
  void RebuildCatalog();
  // The last reading of the tags or the scan of the workspace showed a progress line.
  bool loadWasLong() const { return m_loadWasLong; }
  // Full path of a catalog file.
  std::string PathOf(const FileEntry* file);
  // A workspace-relative name made a full path.
  std::string WorkspacePath(const std::string& relative) const;

 private:
  bool LoadTags(const Progress& show);
  // The listing asks the system for no folder before listFrom is ready.
  void StartListing(std::shared_future<void> listFrom);
  // On the listing's thread: the workspace's files, and the listing kept for the next start.
  std::vector<std::string> ListWorkspace(const std::shared_future<void>& listFrom);
  void WaitForListing(const Progress& show);
  // The listed files into the workspace, and the catalog made of them.
  void TakeListedFiles();

  HostOptions m_options;
  ReferenceIde m_ide;
  Workspace m_workspace;
  TagSet m_tags;
  FileCatalog m_catalog;
  ModuleLoader m_loader;
  bool m_loadWasLong = false;
  std::atomic<size_t> m_found{0};                  // files listed so far
  std::future<std::vector<std::string>> m_scan;   // the listing; taken once its files joined
};
