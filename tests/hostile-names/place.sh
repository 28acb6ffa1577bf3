#!/usr/bin/env bash
# Lays out the hostile-names sources in the current folder under folder
# names no checkout could hold on every system: quotes, a backslash, an
# element end tag split over two folders, non-ASCII letters and a byte that
# is not UTF-8. The sources hold what the reader lets through of such text:
# annotations and type parameters with markup, control and broken bytes,
# and names with "$" and non-ASCII letters.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
quoted="it's \"q\"\\back/a</script>b"
broken="bad$(printf '\377')dir"
mkdir -p "$quoted" "$broken" "Ünï"
cp "$here/Box.java" "$quoted/"
cp "$here/Base.java" "$broken/"
cp "$here/Kaese.java" "Ünï/Käse.java"
