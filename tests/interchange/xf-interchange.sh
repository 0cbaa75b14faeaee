#!/bin/bash
# xf-interchange.sh WINE-RUN XF32 XF64 ENTRIES WORK
# Each build's zorvoreg-xf writes ENTRIES ("FLAGS NAME" lines, and one more
# made here) through its
# module; the other build's dumps the file back. Both dumps must give the
# entries exactly and both files must be the same bytes.
set -u
wine_run="$1" xf32="$2" xf64="$3" entries="$4" work="$5"
rm -rf "$work"
mkdir -p "$work"
# The entries, and one name with bytes of the ANSI code page above 127
# (Latin-1 e-acute and the section sign), kept out of the file so it stays text.
{ tr -d '\r' <"$entries"; printf '11 r\xe9sum\xe9 \xa7 notes.txt\n'; } >"$work/expected.txt"
fail=0
check() {   # check WRITER READER FILE
  local writer="$1" reader="$2" file="$work/$3"
  if ! "$wine_run" "$writer" write "$file" <"$work/expected.txt" >"$work/$3.write.txt" 2>&1; then
    echo "FAIL: $writer could not write $file:"; cat "$work/$3.write.txt"; fail=1; return
  fi
  if ! "$wine_run" "$reader" dump "$file" >"$work/$3.dump.raw" 2>&1; then
    echo "FAIL: $reader rejected $file:"; cat "$work/$3.dump.raw"; fail=1; return
  fi
  tr -d '\r' <"$work/$3.dump.raw" >"$work/$3.dump.txt"
  if cmp -s "$work/expected.txt" "$work/$3.dump.txt"; then
    echo "ok: written by $(basename "$(dirname "$(dirname "$writer")")"), read by $(basename "$(dirname "$(dirname "$reader")")"): $(wc -l <"$work/expected.txt") entries"
  else
    echo "FAIL: $file written by $writer and read by $reader differs from the entries:"
    diff "$work/expected.txt" "$work/$3.dump.txt" | head -20
    fail=1
  fi
}
check "$xf32" "$xf64" from32.xf
check "$xf64" "$xf32" from64.xf
if [ $fail -eq 0 ]; then
  if cmp "$work/from32.xf" "$work/from64.xf"; then
    echo "ok: both builds wrote the same $(stat -c %s "$work/from32.xf") bytes"
  else
    fail=1
  fi
fi
exit $fail
