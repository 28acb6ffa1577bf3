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
