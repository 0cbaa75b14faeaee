#pragma once
// The script's expectation:
//   expect TEXT       the last command before it that was not an expect
//                     printed TEXT somewhere in its output
//   expect narrowed   that output's last status line reads "N of M tags" (or
//                     files) with 0 < N < M, whatever the counts are (a tour
//                     over sources that change)
// A failed expectation counts as a failed command.
#include "host/script/ScriptContext.h"
#include "host/script/ScriptLine.h"

void ExpectCommand(ScriptContext& context, const ScriptLine& line);

// The counts of the last status line in output (status line "N of M tags");
// false when there is none.
bool LastStatusCounts(const std::string& output, long& shown, long& all);
