#!/usr/bin/env bash
# Every C++ file of the tool, its fuzzers and benchmarks is formatted by the
# repository's .clang-format: the check lists the files that are not.
set -eu
formatter=$1
cd "$2"
files=$(ls app/*.{h,cc} base/*.{h,cc} model/*.{h,cc} scan/*.{h,cc} parse/*.{h,cc} \
  publish/*.{h,cc} platform/*.{h,cc} fuzz/*.{h,cc} bench/*.cc 2>/dev/null)
"$formatter" --dry-run --Werror $files
