# The installed tool: `cmake --install` into a prefix and its manual page,
# then the Debian package made by `cpack -G DEB`, installed on this machine
# with dpkg, used as a user would (the binary, `man -w`, the bash completion)
# and removed again.
need_packages cmake g++ libgtest-dev man-db groff-base dpkg-dev bash-completion

echo "== install and manual page"
build_main kintree
(cd build && ctest --output-on-failure --label-regex '^install$')

echo "== Debian package"
rm -f build/kintree_*.deb
(cd build && cpack -G DEB >/dev/null)
package_file=$(ls build/kintree_*.deb)
dpkg-deb --contents "$package_file"

# The package is installed system-wide: two checkouts testing it at once
# take turns, and it goes again however the step ends.
exec 8>/tmp/kintree-package.lock
flock 8
trap 'dpkg --purge kintree >/dev/null 2>&1 || true' EXIT
# Slim Debian images exclude manual pages from every package
# (/etc/dpkg/dpkg.cfg.d); ours must be there to be checked.
dpkg --path-include='/usr/share/man/man1/kintree.1*' -i "$package_file"

[ "$(command -v kintree)" = /usr/bin/kintree ] || { echo "kintree is not /usr/bin/kintree"; exit 1; }
[ "$(kintree --version)" = "kintree v$(dpkg-deb -f "$package_file" Version)" ] || {
  echo "installed kintree --version: $(kintree --version)"
  exit 1
}
[ "$(man -w kintree)" = /usr/share/man/man1/kintree.1 ] || { echo "man -w kintree: $(man -w kintree)"; exit 1; }
# The completion as bash-completion loads it on demand when kintree is typed.
bash tests/completion_test.sh

dpkg --purge kintree >/dev/null
trap - EXIT
if [ -e /usr/bin/kintree ] || dpkg-query -W -f='${Status}' kintree 2>/dev/null | grep -q 'ok installed'; then
  echo "kintree still installed after dpkg --purge"
  exit 1
fi
echo "== Debian package: installed, used and removed"
