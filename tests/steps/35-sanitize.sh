# The main suite (10-main) once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer: any report fails the test that triggered it.
need_packages cmake g++ libgtest-dev graphviz python3

echo "== build and test with sanitizers"
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINTREE_SANITIZE=ON \
  -DKINTREE_TESTS=ON >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest --output-on-failure -j"$jobs" --label-exclude '^install$')
unset ASAN_OPTIONS UBSAN_OPTIONS

# ThreadSanitizer over what runs threads: the tool alone (the unit suite
# under it would take long to build and run, and runs one thread), on eight
# threads, over every whole-run case and over java.base with its dumps, in
# both modes. Any report ends the run with status 66, which no case expects.
tsan_zip=/usr/lib/jvm/temurin-25-jdk-amd64/lib/src.zip
if [ ! -f "$tsan_zip" ]; then
  need_packages openjdk-17-source
  tsan_zip=$(readlink -f /usr/lib/jvm/openjdk-17/lib/src.zip)
fi
need_packages unzip

echo "== ThreadSanitizer: whole runs on eight threads"
export TSAN_OPTIONS=halt_on_error=1:exitcode=66
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINTREE_SANITIZE_THREAD=ON \
  -DKINTREE_TESTS=OFF >/dev/null
cmake --build build-tsan -j"$jobs" --target kintree
for case_dir in tests/golden/*/; do
  KINTREE_GOLDEN_THREADS=8 \
    tests/run_golden.sh build-tsan/kintree "$case_dir"
done
tsan_work=$(mktemp -d)
unzip -q "$tsan_zip" 'java.base/*' -d "$tsan_work"
for tsan_args in "-l=4 -x" "-M=1 -l=4 -t" "--resolve -l=4 -A -I -x"; do
  tsan_status=0
  build-tsan/kintree $tsan_args --threads=8 "$tsan_work/java.base" >/dev/null 2>"$tsan_work/err" ||
    tsan_status=$?
  if [ "$tsan_status" != 255 ]; then
    echo "kintree $tsan_args --threads=8 under ThreadSanitizer: status $tsan_status"
    grep -A30 ThreadSanitizer "$tsan_work/err" | head -60
    exit 1
  fi
done
rm -rf "$tsan_work"
unset TSAN_OPTIONS
