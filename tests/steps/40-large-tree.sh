# A real large source tree, the JDK's own sources: Temurin 25's where the
# machine has them (records, sealed hierarchies and text blocks throughout),
# else Debian's JDK 17. Every run over java.base must complete, read every
# Java file and print the same bytes on one thread, on two and on eight,
# standard error included (so must the whole JDK); over the whole JDK no parent or
# interface name may hold a blank or the word "permits" (the sign of a
# misread header), and the tree stays small.
large_zip=/usr/lib/jvm/temurin-25-jdk-amd64/lib/src.zip
if [ ! -f "$large_zip" ]; then
  need_packages openjdk-17-source
  large_zip=$(readlink -f /usr/lib/jvm/openjdk-17/lib/src.zip)
fi
need_packages unzip python3-jsonschema

echo "== large tree: $large_zip"
build_main kintree
large_work=$(mktemp -d)
unzip -q "$large_zip" -d "$large_work/jdk"
large_files=$(find "$large_work/jdk/java.base" -type f -iname '*.java' | wc -l)

large_run() {  # large_run NAME ARGS...: runs kintree over java.base into NAME.out/.err
  local name=$1
  shift
  local status=0
  build/kintree "$@" "$large_work/jdk/java.base" >"$large_work/$name.out" \
    2>"$large_work/$name.err" || status=$?
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

for large_args in "-x" "+n -t" "-s -A -I +n" "-l=4 -t" "-M=1 -l=4 +n -t" \
  "-l=2 -v=*Impl -A +n -t" "--resolve -l=4 -A -I +n -x" "--resolve --json"; do
  large_run one $large_args --threads=1
  for threads in 2 8; do
    large_run more $large_args --threads=$threads
    for part in out err; do
      if ! cmp -s "$large_work/one.$part" "$large_work/more.$part"; then
        echo "kintree $large_args over the JDK tree: standard $part differs between" \
          "--threads=1 and --threads=$threads"
        exit 1
      fi
    done
  done
done
for large_args in "-l=1 +n -t" "--resolve -l=1 +n -t"; do
  for threads in 1 2; do
    build/kintree $large_args --threads=$threads "$large_work/jdk" >"$large_work/all$threads.out" \
      2>"$large_work/all$threads.err" || true
  done
  if ! cmp -s "$large_work/all1.out" "$large_work/all2.out" ||
    ! cmp -s "$large_work/all1.err" "$large_work/all2.err"; then
    echo "kintree $large_args over the whole JDK differs between --threads=1 and --threads=2"
    exit 1
  fi
done
large_run tree -x
grep -q "^ *java/lang/Object.java:  public  *Object  $" "$large_work/tree.out" || {
  echo "the JDK tree has no root line for java.lang.Object"
  exit 1
}

# Every parent and interface name becomes a record of the name table.
build/kintree -A -I +n -t "$large_work/jdk" >"$large_work/names.out" 2>/dev/null || true
if cut -f2 "$large_work/names.out" | grep -E ' |\bpermits\b'; then
  echo "the names above, read from the JDK's headers, hold a blank or the word permits"
  exit 1
fi
# A misread permits list once made the -x tree of the JDK 4.1 GB; it is
# about 3 MB. The pipe stops reading at 64 MB.
large_bytes=$( (build/kintree -x "$large_work/jdk" 2>/dev/null || true) | head -c 67108864 | wc -c)
if [ "$large_bytes" -ge 67108864 ]; then
  echo "kintree -x over the whole JDK writes 64 MB or more"
  exit 1
fi

# The JSON document of every record agrees with the name table, record for
# record, and holds to the shipped schema.
python3 tests/json_output_test.py doc/kintree.schema.json build/kintree --tree \
  "$large_work/jdk/java.base" -A -I
# A focus on one class by its qualified name: its ancestors and one level
# of subclasses, Vector but not Vector's Stack. The status is the record
# count.
focused=$(build/kintree --resolve -x --focus=java.util.AbstractList --depth=1 \
  "$large_work/jdk/java.base" 2>/dev/null || true)
if ! grep -q "[-+] Vector .* \.\.\.$" <<<"$focused" || grep -q "[-+] Stack" <<<"$focused"; then
  echo "kintree --resolve -x --focus=java.util.AbstractList --depth=1 over the JDK tree:"
  echo "$focused"
  exit 1
fi

# The import tree of every path through the whole JDK's import cycles does
# not end; with --once it holds about one line per import link, with --depth
# a few levels. Each run must end within the time a stuck one would pass and
# give the same bytes twice, and --once stay within ten lines per record.
for large_args in "-M=1 -x --once" "-M=1 -x --depth=2"; do
  for run in first second; do
    status=0
    timeout 120 build/kintree $large_args "$large_work/jdk" >"$large_work/$run.out" \
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
echo "== large tree: $large_files files in java.base, the same output on 1, 2 and 8 threads;" \
  "whole JDK: no name with a blank or permits, -x $large_bytes bytes;" \
  "whole JDK import trees with --once and --depth end"
