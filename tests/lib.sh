# Shared helpers for the test command and its steps; every step runs in a
# fresh shell with these defined, from the top of the checkout ($top).
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"

# need_packages PACKAGE...: installs the Debian packages that are missing.
need_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "== installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    # Another install on the same machine holds the package database for a
    # while: wait for it rather than fail.
    local wait_lock=(-o DPkg::Lock::Timeout=600)
    if [ -z "${KINTREE_APT_UPDATED:-}" ]; then
      apt-get "${wait_lock[@]}" update -qq
      export KINTREE_APT_UPDATED=1
    fi
    apt-get "${wait_lock[@]}" install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

jobs=$(nproc 2>/dev/null || echo 2)

# build_main [TARGET...]: configures build/ with the tests and builds the
# targets, or everything. A step builds what it uses itself, so it also runs
# alone on a fresh clone.
build_main() {
  need_packages cmake g++ libgtest-dev
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKINTREE_TESTS=ON >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build build -j"$jobs" --target "$@"
  else
    cmake --build build -j"$jobs"
  fi
}
