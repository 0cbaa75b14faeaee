#!/bin/bash
# scripts/gtest-run on the three kinds of ending: a summary with 0 passes, an
# exit code of 0 without a summary fails, a summary with a failing exit code
# fails with that code. Usage: runner-test.sh <gtest-run> <runner_probe.exe>
set -u
runner="$1"
probe="$2"
failures=0
# expect MODE STATUS TEXT: the runner's exit status and a line of its output.
expect() {
  local out status
  out="$("$runner" "$probe" "$1" 2>&1)"
  status=$?
  if [ "$status" -ne "$2" ] || ! grep -qF -- "$3" <<<"$out"; then
    echo "FAILED: $1: exit $status (want $2), output:"
    echo "$out"
    failures=$((failures + 1))
  else
    echo "ok: $1: exit $status"
  fi
}
expect passing 0 "[  PASSED  ] 1 test."
expect silent 1 "exited 0 without GoogleTest's summary"
expect failing-summary 3 "[  PASSED  ] 1 test."
[ "$failures" -eq 0 ]
