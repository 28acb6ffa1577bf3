# Browser tests of the HTML pages (the interactive one offline, failing on
# any request) and the Mermaid diagrams: the system
# chromium, driven by playwright-core from the npm registry (its own browser
# download is not used), with Debian's jQuery and DataTables answering the
# CDN requests of the tabular page and the pinned Mermaid library of
# package.json drawing the diagrams.
need_packages chromium fonts-dejavu-core libjs-jquery libjs-jquery-datatables
command -v npm >/dev/null || need_packages nodejs npm

echo "== browser tests"
build_main kintree
(cd tests/browser && npm ci --no-audit --no-fund --loglevel=error)
KINTREE_BROWSER_OUT=build/browser node --test --test-timeout=120000 tests/browser/*_test.js
