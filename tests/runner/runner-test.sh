#!/bin/bash
# scripts/gtest-run on the kinds of ending: a summary with 0 passes, an exit
# code of 0 without a summary fails, a summary with a failing exit code fails
# with that code; a run whose emulator died is made once more, and only once.
# Usage: runner-test.sh <gtest-run> <runner_probe.exe>
set -u
runner="$1"
probe="$2"
failures=0
# expect MODE STATUS TEXT [ARGUMENT]: the runner's exit status and a line of its output.
expect() {
  local out status
  out="$("$runner" "$probe" "$1" ${4:+"$4"} 2>&1)"
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
marker="$(mktemp -u /tmp/zr-runner-probe-XXXXXX)"
trap 'rm -f "$marker"' EXIT
expect emulator-died 0 "run once more" "Z:${marker//\//\\}"
expect emulator-died 1 "exited 0 without GoogleTest's summary" "-"
# Made once more only once: two deaths in a row are a failure.
deaths="$("$runner" "$probe" emulator-died - 2>&1 | grep -c '^qemu: uncaught target signal')"
if [ "$deaths" -ne 2 ]; then
  echo "FAILED: emulator-died: run $deaths times (want 2)"
  failures=$((failures + 1))
fi
# A silent end without the emulator's line is not made again.
if "$runner" "$probe" silent 2>&1 | grep -q "run once more"; then
  echo "FAILED: silent: made once more"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
