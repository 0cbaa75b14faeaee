#pragma once
// The bench's measurement groups; each adds its rows to the table.
#include "bench/Harness.h"
#include "bench/Options.h"

namespace bench {

void RunStringBench(const Options& options, Table& table);
void RunDisplayBench(const Options& options, Table& table);
void RunExtraFilesBench(const Options& options, Table& table);
void RunHistoryBench(const Options& options, Table& table);
void RunGoToTagBench(const Options& options, Table& table);
void RunBrowserBench(const Options& options, Table& table);
// The tag browser's filter alone (the browser group's keys and searches, without its start-up).
void RunFilterBench(const Options& options, Table& table);

}  // namespace bench
