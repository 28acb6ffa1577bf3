# Shared helpers for the test command and its steps.

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
    if [ -z "${KINTREE_APT_UPDATED:-}" ]; then
      apt-get update -qq
      export KINTREE_APT_UPDATED=1
    fi
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

jobs=$(nproc 2>/dev/null || echo 2)
