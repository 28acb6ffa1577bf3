# A real large source tree, the JDK's own java.base module: every run must
# complete, read every Java file and print the same bytes on one thread, on
# two and on eight, standard error included.
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

for large_args in "-x" "+n -t" "-s -A -I +n" "-l=4 -t" "-M=1 -l=4 +n -t" \
  "-l=2 -v=*Impl -A +n -t"; do
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
large_run tree -x
grep -q "^ *java/lang/Object.java:  public  *Object  $" "$large_work/tree.out" || {
  echo "the JDK tree has no root line for java.lang.Object"
  exit 1
}
rm -rf "$large_work"
echo "== large tree: $large_files files, the same output on 1, 2 and 8 threads"
