// Behaves as a test program can, for scripts/gtest-run's own test: "passing"
// prints GoogleTest's summary of a passed test and ends with 0; "silent" ends
// with 0 and prints nothing; "failing-summary" prints the summary and ends
// with 3; "emulator-died FILE" ends as a run does whose emulator died under
// it (qemu's line on stderr, no summary, 0), the first time only when FILE
// is missing (it is made then), and every time when FILE is "-".
#include <cstdio>
#include <cstring>

namespace {

// True the first time for FILE (made now), always for "-".
bool EmulatorDies(const char* file) {
  if (std::strcmp(file, "-") == 0) return true;
  if (std::FILE* seen = std::fopen(file, "rb")) {
    std::fclose(seen);
    return false;
  }
  if (std::FILE* made = std::fopen(file, "wb")) std::fclose(made);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "";
  if (std::strcmp(mode, "silent") == 0) return 0;
  if (std::strcmp(mode, "emulator-died") == 0 && EmulatorDies(argc > 2 ? argv[2] : "-")) {
    std::fprintf(stderr, "qemu: uncaught target signal 11 (Segmentation fault) - core dumped\n");
    return 0;
  }
  std::printf("[  PASSED  ] 1 test.\n");
  return std::strcmp(mode, "failing-summary") == 0 ? 3 : 0;
}
