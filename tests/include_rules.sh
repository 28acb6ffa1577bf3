#!/usr/bin/env bash
# Includes point one way (README, "Layout"): each product folder may include
# only the folders listed for it here.
set -eu
cd "$1"
declare -A allowed=(
  [app]="app model scan parse publish base platform"
  [publish]="publish model base platform"
  [parse]="parse model base platform"
  [scan]="scan base platform"
  [model]="model base platform"
  [base]="base platform"
  [platform]="platform"
)
failed=0
for folder in "${!allowed[@]}"; do
  while IFS= read -r line; do
    file=${line%%:*}
    target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"${line#*:}")
    if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
      echo "$file includes $target/, which $folder/ may not use"
      failed=1
    fi
  done < <(grep -H '^#include "[^/"]*/' "$folder"/*.cc "$folder"/*.h || true)
done
exit $failed
