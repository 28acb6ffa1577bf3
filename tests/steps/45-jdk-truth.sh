# The JDK's java.base module against the truth: the Java runtime whose
# sources are read lists every top-level and member type with its kind,
# superclass and interfaces (tests/jdk/ListTypes.java), and the Java-aware
# mode's JSON must agree with it (tests/jdk/compare_types.py).
need_packages python3 unzip

truth_work=$(mktemp -d)

echo "== jdk truth: comparison self-test"
build_main kintree
truth_status=0
python3 tests/jdk/compare_types.py tests/jdk/sample/truth.tsv tests/jdk/sample/kintree.json \
  --names 80 --superclasses 72 --interfaces 80 --false-records 20 >"$truth_work/sample.out" ||
  truth_status=$?
if [ "$truth_status" != 1 ] || ! diff -u tests/jdk/sample/expected.txt "$truth_work/sample.out"; then
  echo "compare_types.py on tests/jdk/sample: status $truth_status, expected 1 and the output above"
  exit 1
fi


# The sources must be those of the runtime that lists the types.
truth_jdk=/usr/lib/jvm/temurin-25-jdk-amd64
truth_zip=$truth_jdk/lib/src.zip
if [ ! -f "$truth_zip" ]; then
  need_packages openjdk-17-jdk-headless openjdk-17-source
  truth_jdk=/usr/lib/jvm/java-17-openjdk-amd64
  truth_zip=$(readlink -f /usr/lib/jvm/openjdk-17/lib/src.zip)
fi
echo "== jdk truth: $("$truth_jdk/bin/java" -version 2>&1 | head -1)"
unzip -q "$truth_zip" 'java.base/*' -d "$truth_work"
"$truth_jdk/bin/java" tests/jdk/ListTypes.java "$truth_work/java.base" >"$truth_work/truth.tsv"

# Javadoc's snippet-files hold examples that are no part of the module.
truth_status=0
build/kintree --resolve --json -A -I '-V=*snippet-files*' "$truth_work/java.base" \
  >"$truth_work/kintree.json" 2>"$truth_work/kintree.err" || truth_status=$?
if [ "$truth_status" != 255 ]; then  # the record count, capped
  echo "kintree --resolve --json over java.base: status $truth_status, expected 255"
  cat "$truth_work/kintree.err"
  exit 1
fi
python3 tests/jdk/compare_types.py "$truth_work/truth.tsv" "$truth_work/kintree.json" \
  --names 99.5 --superclasses 99 --interfaces 98 --false-records 0.2
rm -rf "$truth_work"
