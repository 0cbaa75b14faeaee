#include "host/app/HostSession.h"
#include <atomic>
#include <chrono>
#include <future>
#include "host/app/ConsoleProgress.h"
#include "host/app/WorkspaceScan.h"

namespace {

void SplitName(const std::string& name, std::string& bare, std::string& extension) {
  size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0) {
    bare = name;
    extension.clear();
  } else {
    bare = name.substr(0, dot);
    extension = name.substr(dot + 1);
  }
}

}  // namespace

HostSession::HostSession(const HostOptions& options) : m_options(options) {
  m_workspace.SetExtraFilesPath(CString(m_options.extraFiles.c_str()));
  m_tags.SetJumpByLine(m_options.jumpByLine);
}

void HostSession::Load(const Progress& show) {
  // The tags are read on a second thread while this one scans the workspace:
  // neither needs the other. Only this thread writes the progress.
  std::atomic<size_t> stepsDone(0), stepsTotal(0);
  m_tags.SetProgress([&](size_t done, size_t total) {
    stepsDone = done;
    stepsTotal = total;
  });
  std::future<bool> reading = std::async(std::launch::async, [this] { return m_tags.Load(m_options.tags.c_str()); });
  std::atomic<size_t> found(0);
  ConsoleProgress progress("loading");
  auto update = [&] {
    if (!progress.Due()) return;
    size_t total = stepsTotal;
    std::string tags = reading.wait_for(std::chrono::seconds(0)) == std::future_status::ready ? "tags read"
                       : total == 0 ? "tags file being read"
                                    : "tags " + ConsoleProgress::Percent(stepsDone, total);
    std::string state = tags + ", workspace " + ConsoleProgress::Count(found) + " files";
    progress.Update(state);
    if (show) show("loading: " + state);
  };
  // The folders unchanged since the last scan are taken from its listing, kept beside the profile.
  const std::string listingPath = m_options.profile.empty() ? std::string() : WorkspaceListing::PathFor(m_options.profile);
  WorkspaceListing kept, made;
  if (!listingPath.empty()) kept.Read(listingPath, m_options.workspace);
  for (const std::string& file :
       ScanWorkspace(m_options.workspace, {m_options.extraFiles, m_options.tags, listingPath}, found, update, &kept, &made))
    m_workspace.files().Add(CString(file.c_str()));
  // Only a help for the next start: a profile folder that cannot be written loses nothing.
  if (!listingPath.empty()) made.Write(listingPath, m_options.workspace);
  RebuildCatalog();
  while (reading.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) update();
  reading.get();
  m_tags.SetProgress(nullptr);
  progress.Finish(ConsoleProgress::Count(m_tags.tags().size()) + " tags, " +
                  ConsoleProgress::Count(static_cast<size_t>(m_workspace.files().size())) + " files");
  if (show) show("");
  m_loadWasLong = progress.shown();
}

bool HostSession::LoadTags(const Progress& show) {
  ConsoleProgress progress("reading the tags");
  m_tags.SetProgress([&](size_t done, size_t total) {
    if (!progress.Due()) return;
    progress.Update(ConsoleProgress::Percent(done, total));
    if (show) show("reading the tags: " + ConsoleProgress::Percent(done, total));
  });
  bool read = m_tags.Load(m_options.tags.c_str());
  m_tags.SetProgress(nullptr);
  progress.Finish(ConsoleProgress::Count(m_tags.tags().size()) + " tags");
  if (show) show("");
  m_loadWasLong = progress.shown();
  return read;
}

HostSession::~HostSession() { Stop(); }

bool HostSession::Start(std::string& error) {
  if (m_loader.table()) return true;
  if (!m_loader.Load()) {
    error = "cannot load " + std::string(static_cast<const char*>(ModuleLoader::ExecutableFolder())) +
            "ZorvoReg.mod";
    m_loader.Unload();
    return false;
  }
  m_loader.Create(m_ide.Application(), &m_workspace);
  return true;
}

void HostSession::Stop() {
  m_loader.Destroy();
  m_loader.Unload();
}

bool HostSession::ReloadTags(const Progress& show) {
  bool read = LoadTags(show);
  m_tags.SetJumpByLine(m_options.jumpByLine);
  return read;
}

std::string HostSession::WorkspacePath(const std::string& relative) const {
  return m_options.workspace + "\\" + relative;
}

void HostSession::RebuildCatalog() {
  m_catalog.Clear();
  WorkspaceFileCollection& files = m_workspace.files();
  for (int i = 0; i < files.size(); ++i) {
    std::string relative = static_cast<const char*>(files.at(i)->name());
    size_t slash = relative.find_last_of("\\/");
    std::string folder = slash == std::string::npos ? std::string() : relative.substr(0, slash);
    std::string bare, extension;
    SplitName(relative.substr(slash == std::string::npos ? 0 : slash + 1), bare, extension);
    m_catalog.Add(bare.c_str(), extension.c_str(), folder.c_str());
  }
}

std::string HostSession::PathOf(const FileEntry* file) {
  // The catalog holds the workspace's files in their order (RebuildCatalog).
  WorkspaceFileCollection& files = m_workspace.files();
  for (DWORD i = 0; i < m_catalog.GetCount() && static_cast<int>(i) < files.size(); ++i) {
    if (m_catalog.At(i) == file) return WorkspacePath(static_cast<const char*>(files.at(static_cast<int>(i))->name()));
  }
  return std::string();
}
