// The -T page in chromium: CDN files answered from Debian's copies,
// DataTables running on the table, one row per shown class.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const {
  runKintree, launchBrowser, openPage, examplesDir, makeTempDir, writeAwkwardTree, awkwardDir, outPath,
} = require('./lib/harness');

// Shown records of examples/ in list order: [package, type, name, modifiers, file].
const examplesRows = [
  ['zoo.animals', 'class', 'Animal', 'public abstract', 'animals/Animal.java'],
  ['zoo.animals', 'class', 'Animal.Habitat', 'public static', 'animals/Animal.java'],
  ['zoo.animals', 'class', 'Cat', 'public', 'animals/Cat.java'],
  ['zoo.animals', 'interface', 'Comparable', '', 'animals/Animal.java'],
  ['zoo.animals', 'class', 'Dog', 'public', 'animals/Dog.java'],
  ['zoo.animals', 'class', 'Dog.Puppy', 'public static final', 'animals/Dog.java'],
  ['zoo.keepers', 'class', 'HeadKeeper', 'public final', 'keepers/HeadKeeper.java'],
  ['zoo.keepers', 'class', 'Keeper', 'public', 'keepers/Keeper.java'],
  ['zoo.keepers', 'class', 'Keeper..Meal', '', 'keepers/Keeper.java'],
  ['zoo.animals', 'interface', 'Named', 'public', 'animals/Named.java'],
  ['zoo.animals', 'interface', 'Pet', 'public', 'animals/Pet.java'],
  ['zoo.util', 'class', 'Registry', 'public', 'util/Registry.java'],
  ['zoo.keepers', 'interface', 'Runnable', '', 'keepers/HeadKeeper.java'],
  ['zoo.animals', 'class', 'Wolf', '', 'animals/Dog.java'],
  ['zoo.animals', 'interface', 'java.io.Serializable', '', 'animals/Cat.java'],
];

const isPublic = (row) => row[3].split(' ').includes('public');

// DataTables starts sorted by the first column (Package); its sort keeps
// the list order among equal packages.
const byPackage = (rows) => [...rows].sort((a, b) => (a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : 0));

// Rows the DataTables body shows, as arrays of cell texts.
function bodyRows(page) {
  return page.$$eval('.dataTables_scrollBody #gradient-style tbody tr', (rows) =>
    rows.map((row) => Array.from(row.cells, (cell) => cell.innerText.replace(/\n/g, '').trim())),
  );
}

async function loadTable(browser, args, dir = examplesDir) {
  const html = runKintree(['-T', ...args, dir]);
  assert.match(html, /<table id='gradient-style'/);
  const opened = await openPage(browser, html);
  await opened.page.waitForSelector('.dataTables_wrapper', { timeout: 10000 });
  return opened;
}

function assertCleanLoad(log) {
  assert.deepEqual(log.pageErrors, [], 'no script error');
  assert.deepEqual(log.consoleErrors, [], 'no console error');
  assert.deepEqual(log.unexpected, [], 'no request left unanswered');
  const served = log.served.map((s) => s.file).sort();
  assert.deepEqual(served, [
    '/usr/share/javascript/jquery-datatables/css/jquery.dataTables.min.css',
    '/usr/share/javascript/jquery-datatables/jquery.dataTables.min.js',
    '/usr/share/javascript/jquery/jquery.min.js',
  ].concat(served.filter((f) => f.includes('/images/'))).sort(), 'the three CDN files came from the local copies');
}

test('tabular page', async (t) => {
  const browser = await launchBrowser();
  t.after(() => browser.close());

  await t.test('loads its CDN files locally and runs DataTables cleanly', async () => {
    const { page, log, context } = await loadTable(browser, []);
    assertCleanLoad(log);
    assert.ok(log.served.every((s) => !s.url.startsWith('http://kintree.invalid')), 'CDN files come from another origin');
    assert.equal(await page.evaluate(() => typeof window.jQuery.fn.DataTable), 'function');
    await page.screenshot({ path: outPath('table.png'), fullPage: true });
    await context.close();
  });

  await t.test('shows one row per shown class with default switches', async () => {
    const { page, context } = await loadTable(browser, []);
    const expected = examplesRows
      .filter((row) => row[1] === 'class' && isPublic(row))
      .map(([pkg, , name, mods, file]) => [pkg, name, mods, file]);
    assert.deepEqual(await bodyRows(page), byPackage(expected));
    assert.equal(await page.evaluate(() => $('#gradient-style').DataTable().rows().count()), expected.length);
    await context.close();
  });

  await t.test('shows every record with -A -I, Type column included', async () => {
    const { page, log, context } = await loadTable(browser, ['-A', '-I']);
    assertCleanLoad(log);
    assert.deepEqual(await bodyRows(page), byPackage(examplesRows));
    const headers = await page.$$eval('.dataTables_scrollHead th', (cells) => cells.map((c) => c.innerText.trim()));
    assert.deepEqual(headers, ['Package', 'Type', 'Name', 'Modifiers', 'Filename']);
    await context.close();
  });

  await t.test('sorts by a column when its header is clicked', async () => {
    const { page, context } = await loadTable(browser, []);
    const nameHeader = page.locator('.dataTables_scrollHead th', { hasText: /^Name$/ });
    await nameHeader.click();
    const ascending = (await bodyRows(page)).map((row) => row[1]);
    await nameHeader.click();
    const descending = (await bodyRows(page)).map((row) => row[1]);
    assert.equal(ascending.length, 8);
    assert.deepEqual(descending, [...ascending].reverse());
    assert.notDeepEqual(ascending, descending);
    await context.close();
  });

  await t.test('filters rows through the search box', async () => {
    const { page, context } = await loadTable(browser, []);
    await page.fill('.dataTables_filter input', 'keepers');
    const names = (await bodyRows(page)).map((row) => row[1]);
    assert.deepEqual(names, ['HeadKeeper', 'Keeper']);
    await context.close();
  });
  await t.test('keeps quotes, backslashes and markup of file paths as text', async (tt) => {
    const temp = makeTempDir();
    tt.after(temp.remove);
    const { page, log, context } = await loadTable(browser, [], writeAwkwardTree(temp.dir));
    assertCleanLoad(log);
    assert.equal(await page.evaluate(() => window.injected), undefined, 'no markup from a file name ran');
    assert.deepEqual(await bodyRows(page), [
      ['none', 'Base', 'public', 'Base.java'],
      ['none', 'Leaf', 'public', "o'k\\sub/Leaf.java"],
      ['none', 'Other', 'public', `${awkwardDir}/Other.java`],
    ]);
    await context.close();
  });
});
