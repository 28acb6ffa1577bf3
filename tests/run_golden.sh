#!/usr/bin/env bash
# Runs one whole-run case: copies its src/ tree to a fixed place so every
# absolute path in the output is the same on every machine, runs kintree with
# the arguments listed in `args` (one per line) from inside that tree, and
# compares standard output, standard error and the exit status byte for byte.
# Files the run must create are listed under `expected/`: exactly those new
# files must appear, each with the same bytes.
# KINTREE_UPDATE_GOLDEN=1 rewrites the expectations instead.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
case_dir=$2
name=$(basename "$case_dir")
root=${KINTREE_GOLDEN_ROOT:-/tmp/kintree-golden}
work="$root/$name"

# The place is fixed, so runs of the same case from two checkouts at once
# must take turns.
mkdir -p "$root"
exec 9>"$root/$name.lock"
flock 9

rm -rf "$work"
mkdir -p "$work"
if [ -d "$case_dir/src" ]; then cp -R "$case_dir/src/." "$work/"; fi
if [ -x "$case_dir/setup.sh" ]; then (cd "$work" && "$case_dir/setup.sh") || exit 1; fi

args=()
if [ -f "$case_dir/args" ]; then
  while IFS= read -r line || [ -n "$line" ]; do args+=("$line"); done <"$case_dir/args"
fi

actual=$(mktemp -d)
trap 'rm -rf "$actual"' EXIT
list_files() { (cd "$1" && find . \( -type f -o -type l \) | sort); }
list_files "$work" >"$actual/before"
(cd "$work" && "$binary" "${args[@]}" >"$actual/stdout" 2>"$actual/stderr")
echo $? >"$actual/status"
# Pages carry the day they were made; the expectations hold a fixed mask.
sed -i -E 's/[0-9]{2}-(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)-[0-9]{4}/DD-Mon-YYYY/g' \
  "$actual/stdout"

list_files "$work" | comm -13 "$actual/before" - >"$actual/made"

if [ "${KINTREE_UPDATE_GOLDEN:-0}" = 1 ]; then
  cp "$actual/stdout" "$actual/stderr" "$actual/status" "$case_dir/"
  rm -rf "$case_dir/expected"
  while IFS= read -r made; do
    mkdir -p "$(dirname "$case_dir/expected/$made")"
    cp "$work/$made" "$case_dir/expected/$made"
  done <"$actual/made"
  exit 0
fi

failed=0
for part in stdout stderr status; do
  if ! cmp -s "$case_dir/$part" "$actual/$part"; then
    echo "== $name: $part differs (expected, actual)"
    diff <(cat -A "$case_dir/$part") <(cat -A "$actual/$part") | head -40
    failed=1
  fi
done
if [ -d "$case_dir/expected" ] || [ -s "$actual/made" ]; then
  expected_made=$( [ -d "$case_dir/expected" ] && list_files "$case_dir/expected")
  if [ "$expected_made" != "$(cat "$actual/made")" ]; then
    echo "== $name: files made differ (expected, actual)"
    diff <(echo "$expected_made") "$actual/made" | head -20
    failed=1
  else
    while IFS= read -r made; do
      if ! cmp -s "$case_dir/expected/$made" "$work/$made"; then
        echo "== $name: $made differs (expected, actual)"
        diff <(cat -A "$case_dir/expected/$made") <(cat -A "$work/$made") | head -40
        failed=1
      fi
    done <"$actual/made"
  fi
fi
exit $failed
