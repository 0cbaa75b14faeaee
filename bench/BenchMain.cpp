// zorvoreg_bench [--quick] [--tree DIR --tags FILE] [strings] [display] [extrafiles] [history] [gototag] [browser] [filter]
// Measures the module against the platform's floor and prints one table of
// medians. The exit code is 0 whatever the figures are; only a crash fails.
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstring>

#include "bench/Groups.h"
#include "fw/WinApp.h"
#include "host/app/HostOptions.h"

namespace {

CWinApp theApp("ZorvoRegBench");

CString MakeScratchFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  CString folder;
  folder.Format("%szorvoreg_bench_%lu\\", temp, GetCurrentProcessId());
  CreateDirectoryA(folder, nullptr);
  return folder;
}

void RemoveScratchFolder(const CString& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(folder + "*", &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA(folder + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder);
}

}  // namespace

int main(int argc, char** argv) {
  bench::Options options;
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--quick") == 0)
      options.quick = true;
    else if (strcmp(argv[i], "--tree") == 0 && i + 1 < argc)
      options.tree = FullPath(argv[++i]).c_str();
    else if (strcmp(argv[i], "--tags") == 0 && i + 1 < argc)
      options.tags = FullPath(argv[++i]).c_str();
    else
      options.groups.push_back(argv[i]);
  }
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
  InitCommonControlsEx(&controls);
  options.folder = MakeScratchFolder();
  theApp.SetProfilePath(options.folder + "profile.ini");

  bench::Table table;
  struct Group {
    const char* name;
    void (*run)(const bench::Options&, bench::Table&);
  };
  const Group groups[] = {{"strings", bench::RunStringBench},
                          {"display", bench::RunDisplayBench},
                          {"extrafiles", bench::RunExtraFilesBench},
                          {"history", bench::RunHistoryBench},
                          {"gototag", bench::RunGoToTagBench},
                          {"browser", bench::RunBrowserBench},
                          {"filter", bench::RunFilterBench}};
  for (const Group& group : groups) {
    if (!options.Wants(group.name)) continue;
    fprintf(stderr, "== %s\n", group.name);
    double start = bench::Now();
    group.run(options, table);
    fprintf(stderr, "== %s done in %.1f s\n", group.name, bench::Now() - start);
  }
  printf("\n");
  table.Print();
  printf("\n%d target(s) missed.\n", table.Misses());
  RemoveScratchFolder(options.folder);
  return 0;
}
