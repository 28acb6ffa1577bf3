#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed binary on
# a small tree: the binary lands in bin, the manual page in share/man/man1,
# the JSON Schema in share/kintree, and the installed kintree works on its own.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/kintree" || { echo "no $prefix/bin/kintree"; exit 1; }
test -f "$prefix/share/man/man1/kintree.1" || { echo "no kintree.1 in share/man/man1"; exit 1; }
test -f "$prefix/share/bash-completion/completions/kintree" ||
  { echo "no kintree in share/bash-completion/completions"; exit 1; }
cmp -s "$prefix/share/kintree/kintree.schema.json" "$(dirname "$0")/../doc/kintree.schema.json" ||
  { echo "no kintree.schema.json in share/kintree"; exit 1; }

mkdir -p "$prefix/src/zoo"
printf 'package zoo;\npublic class Animal {}\n' >"$prefix/src/zoo/Animal.java"
printf 'package zoo;\npublic class Cat extends Animal {}\n' >"$prefix/src/zoo/Cat.java"

set +e
(cd "$prefix/src" && "$prefix/bin/kintree" -t +n . >"$prefix/out" 2>"$prefix/err")
status=$?
set -e
[ "$status" = 2 ] || { echo "status $status, expected 2"; cat "$prefix/err"; exit 1; }
grep -qx 'kintree - Files read:2 classes extracted:2' "$prefix/err" || { cat "$prefix/err"; exit 1; }
grep -q 'Animal' "$prefix/out" && grep -q 'Cat' "$prefix/out" || { cat "$prefix/out"; exit 1; }
[ "$("$prefix/bin/kintree" --version)" = "kintree v1.7" ] || exit 1
