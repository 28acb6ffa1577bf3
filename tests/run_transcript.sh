#!/usr/bin/env bash
# Runs every line of a transcript case's `runs` file (the arguments of one
# run, separated by blanks) over a copy of its src/ tree at a fixed place,
# and compares the whole transcript byte for byte with `expected`: each run's
# arguments, standard output, every file it wrote, standard error and exit
# status. Every graph of the transcript (standard output from "digraph" on,
# and each .gv file) must also be drawn by the real GraphViz `dot` without an
# error or a warning. KINTREE_UPDATE_GOLDEN=1 rewrites `expected` instead.
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
case_dir=$(cd "$2" && pwd)
name=$(basename "$case_dir")
root=${KINTREE_GOLDEN_ROOT:-/tmp/kintree-golden}/transcript
work="$root/$name"
command -v dot >/dev/null || { echo "== $name: dot is not installed"; exit 1; }

mkdir -p "$root"
exec 9>"$root/$name.lock"
flock 9
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

drawn() {  # drawn FILE LABEL: dot must accept the graph in FILE
  if ! dot -Tsvg "$1" >"$scratch/out.svg" 2>"$scratch/messages" || [ -s "$scratch/messages" ]; then
    echo "== $name: dot refused $2"
    cat "$scratch/messages"
    return 1
  fi
}

failed=0
while IFS= read -r line || [ -n "$line" ]; do
  [ -z "$line" ] && continue
  read -r -a args <<<"$line"
  rm -rf "$work"
  mkdir -p "$work"
  cp -R "$case_dir/src/." "$work/"
  (cd "$work" && find . -type f | sort) >"$scratch/before"
  status=0
  (cd "$work" && "$binary" "${args[@]}" >"$scratch/stdout" 2>"$scratch/stderr") || status=$?
  {
    echo "\$ kintree $line"
    cat "$scratch/stdout"
    (cd "$work" && find . -type f | sort) | comm -13 "$scratch/before" - | while IFS= read -r made; do
      echo "--- file ${made#./}"
      cat "$work/$made"
    done
    echo "--- standard error, status $status"
    cat "$scratch/stderr"
  } >>"$scratch/transcript"
  if grep -q '^digraph ' "$scratch/stdout"; then
    sed -n '/^digraph /,$p' "$scratch/stdout" >"$scratch/stdout.gv"
    drawn "$scratch/stdout.gv" "the graph of: $line" || failed=1
  fi
  while IFS= read -r -d '' graph; do
    drawn "$graph" "${graph#"$work/"} of: $line" || failed=1
  done < <(find "$work" -name '*.gv' -print0 | sort -z)
done <"$case_dir/runs"
rm -rf "$work"
# Pages carry the day they were made; the expectations hold a fixed mask.
sed -i -E 's/[0-9]{2}-(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)-[0-9]{4}/DD-Mon-YYYY/g' \
  "$scratch/transcript"

if [ "${KINTREE_UPDATE_GOLDEN:-0}" = 1 ]; then
  cp "$scratch/transcript" "$case_dir/expected"
  exit $failed
fi
if ! cmp -s "$case_dir/expected" "$scratch/transcript"; then
  echo "== $name: the transcript differs (expected, actual)"
  diff "$case_dir/expected" "$scratch/transcript" | head -60
  failed=1
fi
exit $failed
