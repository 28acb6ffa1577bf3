# The main suite, and the quick loop (`tests/run --quick`): unit tests,
# whole-run cases, every DOT output drawn by the real dot, the pattern
# differential check and the PNG pictures of the -h page (decoded by Python);
# the JSON output is validated against its schema by Python's jsonschema.
need_packages cmake g++ libgtest-dev graphviz python3 man-db groff-base clang-format-14 python3-jsonschema

echo "== build and test"
build_main
(cd build && ctest --output-on-failure -j"$jobs" --label-exclude '^install$')
