#pragma once
// The reference host's start on a real tree and the memory it holds there
// (StartupBench.cpp); part of the browser group.
#include "bench/Harness.h"
#include "bench/Options.h"

namespace bench {

void MeasureStartup(const Options& options, Table& table);

}  // namespace bench
