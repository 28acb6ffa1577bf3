# The main suite: unit tests, whole runs, install and manual page.
need_packages cmake g++ libgtest-dev graphviz man-db groff-base clang-format-14

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
