#!/usr/bin/env bash
# Full paths around the 259-character limit: C:\long\ and four components of
# 50 characters make a directory of 211 characters; a file name of 47 fills it
# to 259, one of 48 goes over, and so does a subdirectory name of 49.
set -e
part() { printf "%${2}s" "" | tr ' ' "$1"; }
dir="long/$(part a 50)/$(part b 50)/$(part c 50)/$(part d 50)"
mkdir -p "$dir/$(part e 49)"
printf 'public class Fits {\n}\n' >"$dir/$(part F 42).java"
printf 'public class TooLong {\n}\n' >"$dir/$(part G 43).java"
printf 'public class Hidden {\n}\n' >"$dir/$(part e 49)/Hidden.java"
