#!/bin/bash
# Runs the read-only-folder case of extrafiles_tests. Under Wine as root
# neither a folder's read-only flag (Wine ignores it on folders) nor its
# permission bits (root passes them) stop a file being made there; the
# immutable attribute does. Where it cannot be set (file system, missing
# capability), the case is reported as skipped (77).
# Usage: readonly-folder.sh <gtest-run> <test exe> <folder>
set -u
runner="$1"
exe="$2"
folder="$3"
# Also undoes what a run killed before its own clean-up left behind.
cleanup() {
  chattr -i "$folder" 2>/dev/null
  rm -rf "$folder"
}
cleanup
trap cleanup EXIT
mkdir -p "$folder"
printf 'the previous list' > "$folder/extra.xef"
if ! chattr +i "$folder" 2>/dev/null || touch "$folder/probe" 2>/dev/null; then
  echo "the immutable attribute cannot be set on $folder here: skipped"
  exit 77
fi
# Wine's drive Z: is the Unix root.
export ZR_READONLY_FOLDER="Z:${folder//\//\\}"
"$runner" "$exe" --gtest_color=no --gtest_filter='SaveIntoReadOnlyFolder.*'
