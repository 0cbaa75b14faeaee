// Behaves as a test program can, for scripts/gtest-run's own test: "passing"
// prints GoogleTest's summary of a passed test and ends with 0; "silent" ends
// with 0 and prints nothing; "failing-summary" prints the summary and ends
// with 3.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "";
  if (std::strcmp(mode, "silent") == 0) return 0;
  std::printf("[  PASSED  ] 1 test.\n");
  return std::strcmp(mode, "failing-summary") == 0 ? 3 : 0;
}
