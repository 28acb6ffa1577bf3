# The main suite: unit tests, whole runs, install and manual page; the JSON
# output is validated against its schema by Python's jsonschema.
need_packages cmake g++ libgtest-dev graphviz man-db groff-base clang-format-14 python3-jsonschema

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
