#include "host/app/HostSession.h"
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <future>
#include "host/app/ConsoleProgress.h"
#include "host/app/WorkspaceScan.h"

namespace {

// How often a wait looks at what it waits for, and at its progress.
constexpr int kLookMs = 10;

// Opened once, by whichever thread comes first; the listing's threads wait on it.
class ListingGate {
 public:
  ListingGate() : m_opened(m_promise.get_future().share()) {}
  ~ListingGate() { Open(); }
  void Open() {
    if (!m_open.exchange(true)) m_promise.set_value();
  }
  std::shared_future<void> opened() const { return m_opened; }

 private:
  std::promise<void> m_promise;
  std::shared_future<void> m_opened;
  std::atomic<bool> m_open{false};
};

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
  // The workspace is listed on threads of its own while the tags are read.
  // Its folders unchanged since the last start cost a look at their time
  // each; a folder listed anew waits until the tags file's lines are read:
  // listing it costs requests to the one server that also serves the
  // parsing threads and the window, and slows them more than it gains. The
  // load ends with the tags; the files join the workspace when they are
  // first used, or when the window finds them listed (WorkspaceListed).
  // Only this thread writes the progress.
  std::atomic<size_t> stepsDone(0), stepsTotal(0);
  m_tags.SetProgress([&](size_t done, size_t total) {
    stepsDone = done;
    stepsTotal = total;
  });
  ListingGate gate;
  m_tags.SetLinesRead([&gate] { gate.Open(); });
  StartListing(gate.opened());
  std::future<bool> reading = std::async(std::launch::async, [this] { return m_tags.Load(m_options.tags.c_str()); });
  ConsoleProgress progress("loading");
  auto update = [&] {
    if (!progress.Due()) return;
    size_t total = stepsTotal;
    std::string tags = total == 0 ? "tags file being read" : "tags " + ConsoleProgress::Percent(stepsDone, total);
    std::string state = tags + ", workspace " + ConsoleProgress::Count(m_found) + " files";
    progress.Update(state);
    if (show) show("loading: " + state);
  };
  while (reading.wait_for(std::chrono::milliseconds(kLookMs)) != std::future_status::ready) update();
  // A tags file that could not be read holds up no folder (nor does one that threw: the gate opens as it goes).
  gate.Open();
  m_tags.SetProgress(nullptr);
  m_tags.SetLinesRead(nullptr);
  reading.get();
  std::string files = WorkspaceListed() ? ", workspace listed" : ", workspace still being listed";
  progress.Finish(ConsoleProgress::Count(m_tags.tags().size()) + " tags" + files);
  if (show) show("");
  m_loadWasLong = progress.shown();
}

void HostSession::StartListing(std::shared_future<void> listFrom) {
  // A listing of an earlier load joins first, as it did.
  if (m_scan.valid()) m_workspace.Settle();
  // Files used before the listing ends wait for it, the module's included.
  m_found = 0;
  m_scan = std::async(std::launch::async, [this, listFrom] { return ListWorkspace(listFrom); });
  m_workspace.SetPendingFiles([this] { TakeListedFiles(); });
}

std::vector<std::string> HostSession::ListWorkspace(const std::shared_future<void>& listFrom) {
  // The folders unchanged since the last scan are taken from its listing, kept beside the profile.
  const std::string listingPath = m_options.profile.empty() ? std::string() : WorkspaceListing::PathFor(m_options.profile);
  WorkspaceListing kept, made;
  if (!listingPath.empty()) kept.Read(listingPath, m_options.workspace);
  std::vector<std::string> files = ScanWorkspace(m_options.workspace, {m_options.extraFiles, m_options.tags, listingPath},
                                                 m_found, nullptr, &kept, &made, [&listFrom] { listFrom.wait(); });
  // Only a help for the next start: a profile folder that cannot be written loses nothing.
  if (!listingPath.empty()) made.Write(listingPath, m_options.workspace);
  return files;
}

bool HostSession::WorkspaceListed() const {
  return !m_scan.valid() || m_scan.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void HostSession::WaitForListing(const Progress& show) {
  if (WorkspaceListed()) return;
  ConsoleProgress progress("listing the workspace");
  while (m_scan.wait_for(std::chrono::milliseconds(kLookMs)) != std::future_status::ready) {
    if (!progress.Due()) continue;
    std::string state = ConsoleProgress::Count(m_found) + " files";
    progress.Update(state);
    if (show) show("listing the workspace: " + state);
  }
  progress.Finish(ConsoleProgress::Count(m_found) + " files");
  if (show) show("");
}

void HostSession::AwaitWorkspace(const Progress& show) {
  WaitForListing(show);
  m_workspace.Settle();
}

void HostSession::TakeListedFiles() {
  WaitForListing(Progress());
  std::vector<std::string> files;
  try {
    files = m_scan.get();
  } catch (const std::exception& e) {
    // The workspace stays as it is; the host goes on with its tags.
    std::fprintf(stderr, "workspace %s: not listed (%s)\n", m_options.workspace.c_str(), e.what());
  }
  WorkspaceFileCollection& collection = m_workspace.files();
  for (const std::string& file : files) collection.Add(CString(file.c_str()));
  RebuildCatalog();
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

HostSession::~HostSession() {
  Stop();
  // The listing's thread reads the options and writes the listing file.
  if (m_scan.valid()) m_scan.wait();
}

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
