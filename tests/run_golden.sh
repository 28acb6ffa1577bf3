#!/usr/bin/env bash
# Runs one whole-run case: copies its src/ tree to a fixed place so every
# absolute path in the output is the same on every machine, runs kintree with
# the arguments listed in `args` (one per line) from inside that tree, and
# compares standard output, standard error and the exit status byte for byte.
# KINTREE_UPDATE_GOLDEN=1 rewrites the expectations instead.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
case_dir=$2
name=$(basename "$case_dir")
root=${KINTREE_GOLDEN_ROOT:-/tmp/kintree-golden}
work="$root/$name"

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
(cd "$work" && "$binary" "${args[@]}" >"$actual/stdout" 2>"$actual/stderr")
echo $? >"$actual/status"
# Pages carry the day they were made; the expectations hold a fixed mask.
sed -i -E 's/[0-9]{2}-(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)-[0-9]{4}/DD-Mon-YYYY/g' \
  "$actual/stdout"

if [ "${KINTREE_UPDATE_GOLDEN:-0}" = 1 ]; then
  cp "$actual/stdout" "$actual/stderr" "$actual/status" "$case_dir/"
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
exit $failed
