// The reference host on a real source tree (a tags file of it and its
// folder, given by scripts/bench): how long the tags take to read, the
// workspace to scan and the window to show, in this process and as a person
// starting zorvoreg-host.exe waits for it; and the memory the host holds,
// read by the host itself after it has opened the tag browser, filtered it
// and jumped, against the size of the tags file.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/StartupBench.h"
#include "host/app/HostOptions.h"
#include "host/app/HostSession.h"
#include "host/app/MainWindow.h"
#include "host/app/ProcessMemory.h"
#include "host/app/WorkspaceListing.h"
#include "host/tagstore/TagSet.h"
#include "host/tagstore/TagsFile.h"
#include "host/addin/ModuleLoader.h"

namespace bench {

namespace {

constexpr double kStartTarget = 2.0;      // seconds from start to the usable window
constexpr double kMemoryTarget = 1.5;     // the host's peak working set, in tags files...
constexpr double kMemoryTargetFrom = 100;  // ...of this many megabytes on (below, the process's own dominates)

// What the started host does: its first command marks the end of the start;
// the file picker, opened at once, shows when every file was there; then a
// person's first minute (the browser opened, a filter typed, a jump), and the
// memory that took, as the host reads it.
const char* const kHostScript =
    "echo started\n"
    "open files\n"
    "close files\n"
    "open tags\n"
    "type tag malloc\n"
    "choose\n"
    "memory\n";

HostOptions SessionOptions(const Options& options, const std::string& tags) {
  HostOptions host;
  host.workspace = static_cast<const char*>(options.tree);
  host.tags = tags;
  host.profile = std::string(static_cast<const char*>(options.folder)) + "host.ini";
  host.extraFiles = std::string(static_cast<const char*>(options.folder)) + "host.xf";
  host.Complete();
  return host;
}

// One run of zorvoreg-host.exe on the tree with kHostScript.
struct HostRun {
  double secondsToFirstCommand = -1;   // the program's start to its first command's line
  double secondsToFiles = -1;          // ...to the file picker's line, with every file
  double peakMegabytes = -1;           // its peak working set, as it read it
  std::string memory;                  // its memory line
  bool jumped = false;                 // the jump showed the tag's file
  std::string output;                  // all it printed
};

double MegabytesAfter(const std::string& line, const char* label) {
  size_t at = line.find(label);
  return at == std::string::npos ? -1 : std::atof(line.c_str() + at + std::string(label).size());
}

// Starts the host with the script and reads its output as it comes. False
// when the program could not be run.
bool RunHost(const Options& options, HostRun& run) {
  std::string script = std::string(static_cast<const char*>(options.folder)) + "start.txt";
  std::ofstream(script, std::ios::binary) << kHostScript;
  HostOptions host = SessionOptions(options, static_cast<const char*>(options.tags));
  std::string program = static_cast<const char*>(ModuleLoader::ExecutableFolder() + "zorvoreg-host.exe");
  std::string command = "\"" + program + "\" --workspace \"" + host.workspace + "\" --tags \"" + host.tags +
                        "\" --profile \"" + host.profile + "\" --script \"" + script + "\"";
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  HANDLE outRead = nullptr, outWrite = nullptr;
  if (!CreatePipe(&outRead, &outWrite, &inherit, 0)) return false;
  SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outWrite;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  double start = Now();
  bool started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  CloseHandle(outWrite);
  if (!started) {
    CloseHandle(outRead);
    return false;
  }
  std::string output;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(outRead, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
    output.append(buffer, read);
    if (run.secondsToFirstCommand < 0 && output.find("> echo started") != std::string::npos)
      run.secondsToFirstCommand = Now() - start;
    if (run.secondsToFiles < 0 && output.find("file picker open (") != std::string::npos)
      run.secondsToFiles = Now() - start;
  }
  WaitForSingleObject(process.hProcess, 120000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  CloseHandle(outRead);
  size_t memory = output.find("memory: ");
  if (memory != std::string::npos) {
    run.memory = output.substr(memory + 8, output.find('\n', memory) - memory - 8);
    run.peakMegabytes = MegabytesAfter(run.memory, "peak working set ");
  }
  run.jumped = output.find(": shown") != std::string::npos;
  run.output = output;
  return true;
}

// The file read as TagSet::Load reads it, in blocks, and nothing else.
void ReadInBlocks(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  std::vector<char> block(TagsFile::kBlockBytes);
  DWORD read = 0;
  while (ReadFile(file, block.data(), static_cast<DWORD>(block.size()), &read, nullptr) && read > 0) {
  }
  CloseHandle(file);
}

// The session forgets what it listed of the tree: its next scan lists every folder.
void ForgetListing(const HostOptions& host) { DeleteFileA(WorkspaceListing::PathFor(host.profile).c_str()); }

double FileMegabytes(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<double>(data.nFileSizeHigh) * 4294967296.0 + data.nFileSizeLow) / (1 << 20);
}

double WorkingSetMegabytes() {
  ProcessMemory memory;
  return ProcessMemory::Read(memory) ? static_cast<double>(memory.workingSet) / (1 << 20) : 0;
}

}  // namespace

void MeasureStartup(const Options& options, Table& table) {
  const std::string tags = static_cast<const char*>(options.tags);
  const double fileMegabytes = FileMegabytes(tags);
  const int runs = options.Runs(5);
  size_t tagCount = 0;
  int fileCount = 0;
  double held = 0;
  double load = MedianSeconds(runs, [&] {
    double before = WorkingSetMegabytes();
    TagSet set;
    set.Load(tags.c_str());
    tagCount = set.tags().size();
    // The most it grew: later runs may find memory the heap kept from earlier ones.
    double grown = WorkingSetMegabytes() - before;
    held = grown > held ? grown : held;
  });
  double blocksOnly = MedianSeconds(runs, [&] { ReadInBlocks(tags); });
  std::string size = Count(static_cast<long long>(tagCount)) + " tags";
  table.Add(MakeRow("tags read (TagSet::Load) vs the file read in blocks alone", size, "ms", load * 1e3,
                    blocksOnly * 1e3));
  table.Add(MakeRow("  tags held: working set grown vs the tags file", size, "MB", held, fileMegabytes));

  // The scan with every folder listed, and with the folders unchanged since
  // the run before taken from the listing it kept.
  const HostOptions scanOnly = SessionOptions(options, std::string(static_cast<const char*>(options.folder)) + "no-tags");
  auto scanned = [&](bool listingKept) {
    return MedianSeconds(runs, [&] {
      if (!listingKept) ForgetListing(scanOnly);
      HostSession session(scanOnly);
      session.Load();
      fileCount = session.workspace().files().size();
    });
  };
  double scan = scanned(false);
  double scanKept = scanned(true);
  std::string files = Count(fileCount) + " files";
  table.Add(MakeRow("workspace scanned, file catalog built", files, "ms", scan * 1e3));
  table.Add(MakeRow("  the same, folders unchanged since the last scan", files, "ms", scanKept * 1e3));

  double window = 0;
  double session = MedianSeconds(runs, [&] {
    HostSession host(SessionOptions(options, tags));
    host.Load();
    host.catalog();   // the workspace's files, once listed
    double start = Now();
    MainWindow main(host);
    main.Create();
    main.UpdateWindow();
    window = Now() - start;
  });
  table.Add(MakeRow("host session: tags, scan and catalog (listing kept)", size + ", " + files, "ms", session * 1e3));
  table.Add(MakeRow("main window created and painted", "1 window", "ms", window * 1e3));

  // Each first start after the tree's listing is forgotten (a tree the host
  // has not seen), each other one with the listing the start before kept.
  std::vector<double> firstStarts, starts, peaks, firstPickers, pickers;
  HostRun last;
  const HostOptions hostOptions = SessionOptions(options, tags);
  for (int run = 0; run < options.Runs(5); ++run) {
    for (bool seen : {false, true}) {
      if (!seen) ForgetListing(hostOptions);
      HostRun host;
      if (!RunHost(options, host) || host.secondsToFirstCommand < 0) {
        fprintf(stderr, "browser: zorvoreg-host.exe could not be run; it printed:\n%s\n", host.output.c_str());
        return;
      }
      (seen ? starts : firstStarts).push_back(host.secondsToFirstCommand);
      (seen ? pickers : firstPickers).push_back(host.secondsToFiles);
      if (host.peakMegabytes >= 0) peaks.push_back(host.peakMegabytes);
      last = host;
    }
  }
  Row first = MakeRow("zorvoreg-host.exe started to its first command, tree not seen", size + ", " + files, "s",
                      Median(firstStarts));
  first.target = "< 2 s";
  first.verdict = first.module < kStartTarget ? Verdict::Pass : Verdict::Miss;
  table.Add(first);
  Row row = MakeRow("  the same, the tree seen before (its listing kept)", size + ", " + files, "s", Median(starts));
  row.target = "< 2 s";
  row.verdict = row.module < kStartTarget ? Verdict::Pass : Verdict::Miss;
  table.Add(row);
  table.Add(MakeRow("  started to the file picker open, every file listed: tree not seen", size + ", " + files, "s",
                    Median(firstPickers)));
  table.Add(MakeRow("  the same, the tree seen before", size + ", " + files, "s", Median(pickers)));
  if (peaks.empty()) {
    fprintf(stderr, "browser: zorvoreg-host.exe did not say its memory\n");
    return;
  }
  // The floor is the tags file's size: the host holds its tags in less.
  Row memory = MakeRow(std::string("zorvoreg-host.exe peak working set (browser, filter, jump") +
                           (last.jumped ? ")" : "; the jump found no file)"),
                       size, "MB", Median(peaks), fileMegabytes);
  if (fileMegabytes >= kMemoryTargetFrom) {
    memory.target = "< 1.5x tags file";
    memory.verdict = Median(peaks) < kMemoryTarget * fileMegabytes ? Verdict::Pass : Verdict::Miss;
  }
  table.Add(memory);
  fprintf(stderr, "browser: the host's memory, last run: %s\n", last.memory.c_str());
}

}  // namespace bench
