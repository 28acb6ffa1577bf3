# The Windows build: cross-built with mingw-w64 into build-windows/ and tested
# under Wine: the unit tests and the Windows whole-run cases of
# tests/golden-windows, whose files lie on drive C: of the prefix.
need_packages cmake g++-mingw-w64-x86-64-posix wine64 wine googletest graphviz

echo "== windows: build and test under Wine"
export WINEDEBUG=-all
export WINEPREFIX="$top/build-windows/wine-prefix"

# wine_server: the process id of the server of $WINEPREFIX, which works in a
# folder named after the prefix's device and inode numbers.
wine_server() {
  local name pid
  name=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
  for pid in $(pgrep -x 'wineserver(64)?'); do
    case $(readlink "/proc/$pid/cwd") in */"$name") echo "$pid" ;; esac
  done
}

# One server for the whole step, started here. Every test is a program of its
# own, and a server that a program starts (Debian's wineserver runs with -p0)
# shuts down the moment no program is left: between two tests on a busy
# machine it stops the prefix's services and closes its socket under a test
# that has just connected ("recvmsg: Connection reset by peer"), and the
# next test waits for a new server and services. The persistent server needs
# the prefix folder, which a fresh checkout lacks. The prefix's services are
# started before any test program too, which would otherwise hold the test's
# output pipe open.
mkdir -p "$WINEPREFIX"
wineserver -k 2>/dev/null || true # one left by an interrupted run
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
# A new prefix is made with a page of notes; they are shown when it fails.
wineboot --init >build-windows/wineboot.log 2>&1 || { cat build-windows/wineboot.log; exit 1; }
server=$(wine_server)
[ -n "$server" ] || { echo "no Wine server for $WINEPREFIX"; exit 1; }

cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DKINTREE_TESTS=ON >/dev/null
cmake --build build-windows -j"$jobs"
(cd build-windows && ctest --output-on-failure -j"$jobs")
[ "$(wine_server)" = "$server" ] || { echo "the Wine server did not last the whole suite"; exit 1; }
