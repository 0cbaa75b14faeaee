#pragma once
// Whether the process is ending: ExitProcess has stopped every other thread,
// wherever it was, and the DLLs are being detached. A lock held by one of
// those threads is never let go.

namespace fw {

// True from the moment ExitProcess stopped the other threads.
bool ProcessIsShuttingDown();

}  // namespace fw
