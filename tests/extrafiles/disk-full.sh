#!/bin/bash
# Runs the full-disk case of extrafiles_tests with a 256 KiB file-size limit.
# SIGXFSZ is ignored, so a write past the limit comes back short (or failed)
# instead of killing the process. Usage: disk-full.sh <gtest-run> <test exe>
set -u
runner="$1"
exe="$2"
trap '' XFSZ
ulimit -f 256
export ZR_FILE_SIZE_LIMIT_KB=256
exec "$runner" "$exe" --gtest_color=no --gtest_filter='SaveOnFullDisk.*'
