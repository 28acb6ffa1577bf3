# A real large source tree, the JDK's own java.base module: every run must
# complete, read every Java file and print the same bytes twice.
need_packages openjdk-17-source unzip

echo "== large tree"
large_zip=$(readlink -f /usr/lib/jvm/openjdk-17/lib/src.zip)
large_work=$(mktemp -d)
unzip -q "$large_zip" 'java.base/*' -d "$large_work"
large_files=$(find "$large_work" -type f -iname '*.java' | wc -l)

large_run() {  # large_run NAME ARGS...: runs kintree over the tree into NAME.out/.err
  local name=$1
  shift
  local status=0
  build/kintree "$@" "$large_work/java.base" >"$large_work/$name.out" 2>"$large_work/$name.err" ||
    status=$?
  if [ "$status" != 255 ]; then
    echo "kintree $* over the JDK tree: status $status, expected 255 (more than 255 records)"
    return 1
  fi
  if ! grep -q "^kintree - Files read:$large_files classes extracted:" "$large_work/$name.err"; then
    echo "kintree $* over the JDK tree did not read all $large_files files:"
    grep "Files read" "$large_work/$name.err"
    return 1
  fi
}

for large_args in "-x" "+n -t" "-s -A -I +n" "-l=4 -t"; do
  large_run first $large_args
  large_run second $large_args
  for part in out err; do
    if ! cmp -s "$large_work/first.$part" "$large_work/second.$part"; then
      echo "kintree $large_args over the JDK tree: standard $part differs between two runs"
      exit 1
    fi
  done
done
large_run tree -x
grep -q "^ *java/lang/Object.java:  public  *Object  $" "$large_work/tree.out" || {
  echo "the JDK tree has no root line for java.lang.Object"
  exit 1
}
# A focus on one class: its ancestors and one level of subclasses.
focused=$(build/kintree -x --focus=AbstractList --depth=1 "$large_work/java.base" 2>/dev/null)
if ! grep -q "[-+] Vector " <<<"$focused" || grep -q "[-+] Stack" <<<"$focused"; then
  echo "kintree -x --focus=AbstractList --depth=1 over the JDK tree:"
  echo "$focused"
  exit 1
fi

# The import tree of every path through the JDK's import cycles does not end;
# with --once it holds about one line per import link, with --depth a few
# levels. Each run must end within the time a stuck one would pass and give
# the same bytes twice, and --once stay within ten lines per record.
for large_args in "-M=1 -x --once" "-M=1 -x --depth=2"; do
  for run in first second; do
    status=0
    timeout 120 build/kintree $large_args "$large_work/java.base" >"$large_work/$run.out" \
      2>"$large_work/$run.err" || status=$?
    if [ "$status" != 255 ]; then
      echo "kintree $large_args over the JDK tree: status $status (124: did not end in 120 s)"
      exit 1
    fi
  done
  if ! cmp -s "$large_work/first.out" "$large_work/second.out"; then
    echo "kintree $large_args over the JDK tree: standard output differs between two runs"
    exit 1
  fi
  records=$(sed -n 's/.*classes extracted:\([0-9]*\).*/\1/p' "$large_work/first.err")
  lines=$(wc -l <"$large_work/first.out")
  if [[ $large_args == *--once* ]] && [ "$lines" -gt $((records * 10)) ]; then
    echo "kintree $large_args over the JDK tree: $lines lines for $records records"
    exit 1
  fi
done
rm -rf "$large_work"
echo "== large tree: $large_files files, same output twice, import trees with --once and --depth end"
