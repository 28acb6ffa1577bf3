# Runs each libFuzzer target of fuzz/ for a bounded time, seeded from the
# examples and the whole-run fixtures, after replaying the inputs kept in
# fuzz/regressions/<target>/. KINTREE_FUZZ_SECONDS sets the time per target;
# the mutations start from a fixed seed (KINTREE_FUZZ_SEED) so a run can be
# repeated.
need_packages cmake clang-14 libclang-rt-14-dev

echo "== build and run the fuzz targets"
fuzz_seconds=${KINTREE_FUZZ_SECONDS:-45}
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKINTREE_FUZZ=ON -DKINTREE_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target statement_reader_fuzzer class_mode_fuzzer \
  import_mode_fuzzer options_fuzzer

fuzz_work=build-fuzz/work
rm -rf "$fuzz_work"
mkdir -p "$fuzz_work/artifacts"
for target in statement_reader class_mode import_mode; do
  mkdir -p "$fuzz_work/$target"
  find examples tests/golden tests/hostile-names -name '*.java' -exec cp --backup=numbered -t "$fuzz_work/$target" {} +
done
mkdir -p "$fuzz_work/options"
for args in tests/golden/*/args; do
  cp "$args" "$fuzz_work/options/$(basename "$(dirname "$args")")"
done

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for target in statement_reader class_mode import_mode options; do
  binary=build-fuzz/fuzz/${target}_fuzzer
  kept=fuzz/regressions/$target
  if [ -d "$kept" ] && [ -n "$(ls -A "$kept")" ]; then
    echo "== replay $kept"
    "$binary" -runs=0 "$kept"/* 2>"$fuzz_work/$target.replay.log" ||
      { tail -40 "$fuzz_work/$target.replay.log"; exit 1; }
  fi
  echo "== fuzz $target for ${fuzz_seconds}s"
  "$binary" -seed="${KINTREE_FUZZ_SEED:-1}" -max_total_time="$fuzz_seconds" -timeout=25 -rss_limit_mb=2560 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$fuzz_work/artifacts/$target-" \
    "$fuzz_work/$target" >"$fuzz_work/$target.log" 2>&1 ||
    { tail -60 "$fuzz_work/$target.log"; echo "== $target found a fault; input in $fuzz_work/artifacts"; exit 1; }
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$fuzz_work/$target.log" | tr '\n' ' '
  echo
done
unset ASAN_OPTIONS UBSAN_OPTIONS
