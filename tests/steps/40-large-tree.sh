# A real large source tree, the JDK's own java.base module: every run must
# complete, read every Java file and print the same bytes twice.
need_packages openjdk-17-source unzip python3-jsonschema

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
# The JSON document of every record agrees with the name table, record for
# record, and holds to the shipped schema.
python3 tests/json_output_test.py doc/kintree.schema.json build/kintree --tree \
  "$large_work/java.base" -A -I
rm -rf "$large_work"
echo "== large tree: $large_files files, same output twice"
