// A process that ends (returns from main, so ExitProcess) while other threads
// make and release strings, with a string still kept by fwtest_peer.dll,
// which releases it as the DLL detaches. ExitProcess stops those threads
// wherever they are, perhaps holding a string pool's lock: the release must
// not wait for it. Exit code 0 when the process ends.
#include <windows.h>
#include <cstdio>

#include "Peer.h"
#include "fw/String.h"

namespace {

// Strings of the kept string's size class, made, copied, grown and released
// without end.
DWORD WINAPI Churn(void*) {
  for (;;) {
    CString made('n', 20);
    CString copy = made;
    copy += "x";
  }
}

}  // namespace

int main() {
  PeerKeep(CString('k', 20));
  for (int i = 0; i < 3; ++i) CreateThread(nullptr, 0, Churn, nullptr, 0, nullptr);
  Sleep(30);
  std::printf("exiting\n");
  std::fflush(stdout);
  return 0;
}
