// zorvoreg-xf: reads and writes extra-files files through the module.
//   zorvoreg-xf dump FILE    prints the entries, one "FLAGS NAME" a line
//   zorvoreg-xf write FILE   writes the entries read from standard input
//   zorvoreg-xf check FILE   exit code 0 when the module accepts the file
// FLAGS are two digits, bit 0 (add to workspace) then bit 1 (second flag).
#include <windows.h>
#include <cstdio>
#include <string>
#include "fw/WinApp.h"
#include "host/tools/xf/XfHost.h"

namespace {

// The module keeps its settings in the application's profile store: here a
// throw-away file in the temporary folder.
class XfApp : public CWinApp {
 public:
  XfApp() : CWinApp("zorvoreg-xf") {}
};
XfApp theApp;

int Usage() {
  std::fprintf(stderr,
               "usage: zorvoreg-xf dump FILE | write FILE | check FILE\n"
               "  write reads lines \"FLAGS NAME\" from standard input; FLAGS are two digits,\n"
               "  bit 0 (add to workspace) then bit 1 (second flag), e.g. \"10 src\\a.cpp\".\n"
               "  dump and check work on a copy: a rejected file is not moved.\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Usage();
  std::string command = argv[1];
  std::string file = argv[2];
  if (command != "dump" && command != "write" && command != "check") return Usage();

  std::string profile = TemporaryPath("ini");
  theApp.SetProfilePath(profile.c_str());

  int code = 1;
  {
    XfHost host;
    std::string error;
    if (!host.Start(error)) {
      std::fprintf(stderr, "zorvoreg-xf: %s\n", error.c_str());
      return 1;
    }
    if (command == "dump") code = XfDump(host, file);
    if (command == "check") code = XfCheck(host, file);
    if (command == "write") code = XfWrite(host, file);
  }
  DeleteFileA(profile.c_str());
  std::fflush(stdout);
  return code;
}
