// A second process over the same profile file.
//   fwtest_profile_helper <file> read <section> <key> <expected>  -> exit 0 when equal, 1 if not
//   fwtest_profile_helper <file> write <section> <key> <value>    -> exit 0 when written
#include <cstring>

#include "fw/WinApp.h"

int main(int argc, char** argv) {
  if (argc != 6) return 2;
  CWinApp app("fwtest_profile_helper");
  app.SetProfilePath(argv[1]);
  if (std::strcmp(argv[2], "read") == 0)
    return app.GetProfileString(argv[3], argv[4], "<missing>") == argv[5] ? 0 : 1;
  if (std::strcmp(argv[2], "write") == 0) return app.WriteProfileString(argv[3], argv[4], argv[5]) ? 0 : 1;
  return 2;
}
