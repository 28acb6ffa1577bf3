#!/usr/bin/env bash
# Feeds the graph text a whole-run case expects to the real GraphViz `dot`:
# standard output from its first "digraph" line on (a name table may come
# first) and every .gv file under expected/. Any error or warning fails.
set -u
case_dir=$1
name=$(basename "$case_dir")
command -v dot >/dev/null || { echo "== $name: dot is not installed"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
inputs=()
if grep -q '^digraph ' "$case_dir/stdout"; then
  sed -n '/^digraph /,$p' "$case_dir/stdout" >"$work/stdout.gv"
  inputs+=("$work/stdout.gv")
fi
if [ -d "$case_dir/expected" ]; then
  while IFS= read -r -d '' file; do inputs+=("$file"); done \
    < <(find "$case_dir/expected" -name '*.gv' -print0 | sort -z)
fi

failed=0
for input in "${inputs[@]}"; do
  if ! dot -Tsvg "$input" >"$work/out.svg" 2>"$work/messages" || [ -s "$work/messages" ]; then
    echo "== $name: dot refused ${input#"$work/"}"
    cat "$work/messages"
    failed=1
  fi
done
exit $failed
