#!/usr/bin/env bash
# Runs one whole-run case: copies its src/ tree to a fixed place so every
# absolute path in the output is the same on every machine, runs kintree with
# the arguments listed in `args` (one per line) from inside that tree, and
# compares standard output, standard error and the exit status byte for byte.
# Files the run must create are listed under `expected/`: exactly those new
# files must appear, each with the same bytes.
# KINTREE_UPDATE_GOLDEN=1 rewrites the expectations instead.
# KINTREE_GOLDEN_THREADS=N adds --threads=N before the arguments: the run
# must give the same bytes on any number of threads.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
case_dir=$(cd "$2" && pwd)
name=$(basename "$case_dir")
root=${KINTREE_GOLDEN_ROOT:-/tmp/kintree-golden}
work="$root/$name"

run=("$binary")
placed=()
skip=()
if [ -n "${KINTREE_EMULATOR:-}" ]; then
  # A Windows build runs under the emulator (Wine) from the root of drive C:
  # of its prefix, where the folders of src/ are placed for this case only.
  work="${WINEPREFIX:?}/drive_c"
  run=("$KINTREE_EMULATOR" "$binary")
  # The system's own folders there are no part of the case.
  skip=(\( -path ./windows -o -path ./users -o -path './Program Files*' -o -path ./ProgramData \)
    -prune -o)
  for entry in "$case_dir"/src/*; do
    if [ -e "$entry" ]; then placed+=("$work/${entry##*/}"); fi
  done
  trap 'rm -rf "${placed[@]}"' EXIT
  rm -rf "${placed[@]}"
else
  # The place is fixed, so runs of the same case from two checkouts at once
  # must take turns.
  mkdir -p "$root"
  exec 9>"$root/$name.lock"
  flock 9

  rm -rf "$work"
  mkdir -p "$work"
fi
if [ -d "$case_dir/src" ]; then cp -R "$case_dir/src/." "$work/"; fi
if [ -x "$case_dir/setup.sh" ]; then (cd "$work" && "$case_dir/setup.sh") || exit 1; fi

args=()
if [ -n "${KINTREE_GOLDEN_THREADS:-}" ]; then args+=("--threads=$KINTREE_GOLDEN_THREADS"); fi
if [ -f "$case_dir/args" ]; then
  while IFS= read -r line || [ -n "$line" ]; do args+=("$line"); done <"$case_dir/args"
fi

actual=$(mktemp -d)
trap 'rm -rf "$actual" "${placed[@]}"' EXIT
list_files() { (cd "$1" && find . "${skip[@]}" \( -type f -o -type l \) -print | sort); }
list_files "$work" >"$actual/before"
(cd "$work" && "${run[@]}" "${args[@]}" >"$actual/stdout" 2>"$actual/stderr")
echo $? >"$actual/status"
# Windows writes its standard streams in text mode.
if [ -n "${KINTREE_EMULATOR:-}" ]; then sed -i 's/\r$//' "$actual/stdout" "$actual/stderr"; fi
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
