// Shared pieces of the browser tests: running kintree, launching the
// system chromium and serving a page with every request answered locally.
'use strict';

const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { chromium } = require('playwright-core');

const repoRoot = path.resolve(__dirname, '..', '..', '..');
const kintreeBin = process.env.KINTREE_BIN || path.join(repoRoot, 'build', 'kintree');
const chromiumBin = process.env.KINTREE_CHROMIUM || '/usr/bin/chromium';
const outDir = process.env.KINTREE_BROWSER_OUT || path.join(repoRoot, 'build', 'browser');

// The page is served under a reserved name that never resolves, so a
// request that slips past the interception fails instead of going out.
const origin = 'http://kintree.invalid';
const pageUrl = origin + '/page.html';

// Debian's copies of the files the tabular page requests from CDNs, by file
// name; DataTables' stylesheet also pulls its sort arrows from there.
const cdnDirs = ['/usr/share/javascript/jquery', '/usr/share/javascript/jquery-datatables'];

// Files the pages expect beside them that kintree does not write. They are
// answered with 404, and the browser's "Failed to load resource" message
// for them is not an error of the page.
const besidePage = new Set([
  'dtree.css', 'dtree.js', 'scripts.js', 'favicon.ico', 'bg.jpg',
  'gradhead.png', 'gradback.png', 'gradhover.png',
]);

const contentTypes = {
  '.js': 'application/javascript',
  '.css': 'text/css',
  '.png': 'image/png',
  '.ico': 'image/x-icon',
};

function indexByFileName(dirs) {
  const index = new Map();
  const walk = (dir) => {
    for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
      const full = path.join(dir, entry.name);
      if (entry.isDirectory()) walk(full);
      else if (!index.has(entry.name)) index.set(entry.name, full);
    }
  };
  for (const dir of dirs) walk(dir);
  return index;
}

let cdnIndex = null;
function cdnFile(name) {
  if (!cdnIndex) cdnIndex = indexByFileName(cdnDirs);
  return cdnIndex.get(name);
}

/// Runs kintree and returns its standard output. The exit status is the
/// record count; the inputs here hold far fewer than 255 records, so 255
/// means the usage screen or an error.
function runKintree(args, options = {}) {
  const result = spawnSync(kintreeBin, args, {
    cwd: options.cwd || repoRoot,
    encoding: 'utf8',
    maxBuffer: 64 * 1024 * 1024,
  });
  if (result.error) throw result.error;
  if (result.signal || result.status === 255) {
    throw new Error(`kintree ${args.join(' ')} failed (${result.signal || result.status}): ${result.stderr}`);
  }
  return result.stdout;
}

/// Headless system chromium; CI runs as root, hence no sandbox.
function launchBrowser() {
  return chromium.launch({
    executablePath: chromiumBin,
    headless: true,
    args: ['--no-sandbox', '--font-render-hinting=none'],
  });
}

/// Opens html as pageUrl in a fresh context. With dtreeDouble the test
/// double is served as dtree.js (and its stylesheet as dtree.css); files
/// maps further names beside the page to the local files that answer them;
/// colorScheme ('light' or 'dark') is what the page sees as the user's.
/// Returns the page and a log of what was requested and reported.
async function openPage(browser, html, options = {}) {
  const context = await browser.newContext({
    viewport: options.viewport || { width: 1000, height: 700 },
    colorScheme: options.colorScheme || 'light',
  });
  const page = await context.newPage();
  const log = { requests: [], served: [], missing: [], unexpected: [], pageErrors: [], consoleErrors: [] };
  // Every request the page makes, its own address included, answered or not.
  context.on('request', (request) => log.requests.push(request.url()));

  await context.route('**/*', async (route) => {
    const url = new URL(route.request().url());
    const name = path.posix.basename(url.pathname);
    const fulfillFile = (file) =>
      route.fulfill({
        status: 200,
        contentType: contentTypes[path.extname(file)] || 'application/octet-stream',
        body: fs.readFileSync(file),
      });
    if (url.origin === origin) {
      if (url.pathname === '/page.html') {
        return route.fulfill({ status: 200, contentType: 'text/html; charset=utf-8', body: html });
      }
      if (options.files && Object.hasOwn(options.files, name)) {
        return fulfillFile(options.files[name]);
      }
      if (options.dtreeDouble && (name === 'dtree.js' || name === 'dtree.css')) {
        return fulfillFile(path.join(__dirname, name.replace('dtree', 'dtree_double')));
      }
      if (besidePage.has(name)) {
        log.missing.push(url.href);
        return route.fulfill({ status: 404, body: '' });
      }
    } else {
      const local = cdnFile(name);
      if (local) {
        log.served.push({ url: url.href, file: local });
        return fulfillFile(local);
      }
    }
    log.unexpected.push(url.href);
    return route.abort();
  });

  page.on('pageerror', (error) => log.pageErrors.push(String(error && error.stack ? error.stack : error)));
  page.on('console', (message) => {
    if (message.type() !== 'error') return;
    const source = message.location().url;
    if (message.text().startsWith('Failed to load resource') && log.missing.includes(source)) return;
    log.consoleErrors.push(`${message.text()} (${source})`);
  });

  await page.goto(pageUrl, { waitUntil: 'load' });
  return { page, context, log };
}

// The Mermaid library pinned in package.json, served beside the page.
const mermaidFile = require.resolve('mermaid/dist/mermaid.min.js');
const mermaidPage = '<!DOCTYPE html><html><head><meta charset="utf-8">' +
  '<script src="mermaid.min.js"></script></head><body><div id="out"></div></body></html>';

/// Opens an empty page with the Mermaid library loaded and initialised;
/// diagrams are drawn into its element "out".
async function openMermaidPage(browser, options = {}) {
  const opened = await openPage(browser, mermaidPage, { ...options, files: { 'mermaid.min.js': mermaidFile } });
  await opened.page.evaluate(() => window.mermaid.initialize({ startOnLoad: false }));
  return opened;
}

/// Copies a whole-run case's sources to dir and runs its setup script
/// there, as tests/run_golden.sh does; returns the case's arguments.
function placeGoldenCase(caseDir, dir) {
  const src = path.join(caseDir, 'src');
  if (fs.existsSync(src)) fs.cpSync(src, dir, { recursive: true, verbatimSymlinks: true });
  const setup = path.join(caseDir, 'setup.sh');
  if (fs.existsSync(setup)) {
    const result = spawnSync(setup, [], { cwd: dir, encoding: 'utf8' });
    if (result.status !== 0) throw new Error(`${setup} failed: ${result.stderr}`);
  }
  return fs.readFileSync(path.join(caseDir, 'args'), 'utf8').replace(/\n$/, '').split('\n');
}

/// A fresh temporary directory, removed by the returned function.
function makeTempDir() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'kintree-browser-'));
  return { dir, remove: () => fs.rmSync(dir, { recursive: true, force: true }) };
}

/// Writes files (relative path -> text) under dir.
function writeTree(dir, files) {
  for (const [rel, text] of Object.entries(files)) {
    const full = path.join(dir, rel);
    fs.mkdirSync(path.dirname(full), { recursive: true });
    fs.writeFileSync(full, text);
  }
}

// A directory name that is markup: a page that lets it through unescaped
// runs its handler, which sets window.injected.
const awkwardDir = 'x"><img src=y onerror="window.injected=1">';

/// Sources under a directory whose name holds a quote and a backslash, with
/// a subdirectory named the same way and one named awkwardDir. Base and
/// Leaf extend each other; Other extends the undeclared Missing. Returns
/// the root directory.
function writeAwkwardTree(dir) {
  const root = path.join(dir, "it's a\\tree");
  writeTree(root, {
    'Base.java': 'public class Base {}\n',
    "o'k\\sub/Leaf.java": 'public class Leaf extends Base {}\n',
    [`${awkwardDir}/Other.java`]: 'public class Other extends Missing {}\n',
  });
  return root;
}

function outPath(name) {
  fs.mkdirSync(outDir, { recursive: true });
  return path.join(outDir, name);
}

module.exports = {
  repoRoot, examplesDir: path.join(repoRoot, 'examples'), origin, pageUrl,
  runKintree, launchBrowser, openPage, makeTempDir, writeTree, writeAwkwardTree, awkwardDir, outPath,
  openMermaidPage, placeGoldenCase, goldenDir: path.join(repoRoot, 'tests', 'golden'),
};
