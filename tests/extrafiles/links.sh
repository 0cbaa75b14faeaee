#!/bin/bash
# Runs the link cases of extrafiles_tests on a folder holding Unix symbolic
# links, which the test program itself cannot make: extra.xef leading to
# real.xef, and bad.xef.old leading to itself (a name the system cannot
# examine). Afterwards both must still be links.
# Usage: links.sh <gtest-run> <test exe> <folder>
set -u
runner="$1"
exe="$2"
folder="$3"
rm -rf "$folder"
trap 'rm -rf "$folder"' EXIT
mkdir -p "$folder"
printf 'the previous list' > "$folder/real.xef"
ln -s real.xef "$folder/extra.xef"
printf 'not an extra-files file' > "$folder/bad.xef"
ln -s bad.xef.old "$folder/bad.xef.old"
# Wine's drive Z: is the Unix root.
export ZR_LINKS_FOLDER="Z:${folder//\//\\}"
"$runner" "$exe" --gtest_color=no --gtest_filter='ThroughLinks.*'
status=$?
for link in extra.xef bad.xef.old; do
  if [ ! -L "$folder/$link" ]; then
    echo "FAILED: $link is no longer a symbolic link"
    status=1
  fi
done
exit $status
