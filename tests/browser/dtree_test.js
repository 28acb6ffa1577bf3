// The -j page in chromium against the dtree test double: the script runs,
// and the nodes it hands to the library are the classes and parents of the
// run, with addresses that are the real file paths.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const {
  runKintree, launchBrowser, openPage, examplesDir, makeTempDir, writeAwkwardTree, awkwardDir, outPath,
} = require('./lib/harness');

const zoo = path.join(examplesDir, 'zoo');

// Nodes of examples/ with default switches: [label, parent label, file].
// The root node is the page's own (label title1).
const examplesNodes = [
  ['Animal (public abstract)', 'title1', 'animals/Animal.java'],
  ['Cat', 'Animal (public abstract)', 'animals/Cat.java'],
  ['Dog', 'Animal (public abstract)', 'animals/Dog.java'],
  ['Dog.Puppy (public static final)', 'Dog', 'animals/Dog.java'],
  ['Animal.Habitat (public static)', 'title1', 'animals/Animal.java'],
  ['Registry', 'title1', 'util/Registry.java'],
  ['Keeper', 'Registry', 'keepers/Keeper.java'],
  ['HeadKeeper (public final)', 'Keeper', 'keepers/HeadKeeper.java'],
];

/// Loads a -j page and returns the double's state and the log. Each node
/// carries the label and address as the rendered markup shows them, which
/// is what a reader of the page gets.
async function loadTree(browser, html) {
  const opened = await openPage(browser, html, { dtreeDouble: true });
  const state = await opened.page.evaluate(() => ({
    nodes: window.d.nodes.map((node) => {
      const item = document.querySelector(`.dtree-double li[data-node-id="${node.id}"]`);
      const link = item && item.querySelector(':scope > a');
      return {
        id: node.id,
        pid: node.pid,
        raw: node.name,
        name: item ? item.querySelector(':scope > a, :scope > b').textContent : null,
        url: link ? link.getAttribute('href') : null,
      };
    }),
    rendered: window.d.rendered,
    openAllCalls: window.d.openAllCalls,
    drawn: document.querySelectorAll('.dtree-double li').length,
    injected: window.injected,
  }));
  return { ...opened, state };
}

function assertClean(log) {
  assert.deepEqual(log.pageErrors, [], 'no script error');
  assert.deepEqual(log.consoleErrors, [], 'no console error');
  assert.deepEqual(log.unexpected, [], 'no request left unanswered');
}

/// [label, parent label, address] per node, checking on the way that ids
/// are unique and every parent was added before its child.
function nodeTriples(nodes) {
  const byId = new Map();
  const triples = [];
  for (const node of nodes) {
    assert.ok(Number.isInteger(node.id), `integer id for ${node.name}`);
    assert.ok(!byId.has(node.id), `id ${node.id} used once`);
    byId.set(node.id, node);
    if (node.pid === -1) continue;
    assert.ok(byId.has(node.pid), `parent ${node.pid} of ${node.name} added before it`);
    triples.push([node.name, byId.get(node.pid).name, node.url]);
  }
  return triples;
}

test('dtree page', async (t) => {
  const browser = await launchBrowser();
  t.after(() => browser.close());

  await t.test('runs without a script error and renders through document.write', async () => {
    const html = runKintree(['-j', examplesDir]);
    const { page, log, state, context } = await loadTree(browser, html);
    assertClean(log);
    assert.equal(state.rendered, true, 'the page wrote the tree');
    assert.equal(state.openAllCalls, 1, 'the page opened the tree');
    assert.equal(state.drawn, examplesNodes.length + 1, 'every node drawn under the root');
    // The links run "javascript:" addresses, which the browser runs as a
    // task of its own after the click: wait for the call, then check that
    // it came once.
    await page.click('text=close all');
    await page.waitForFunction(() => window.d.closeAllCalls >= 1, null, { timeout: 5000 });
    assert.equal(await page.evaluate(() => window.d.closeAllCalls), 1);
    await page.click('text=open all');
    await page.waitForFunction(() => window.d.openAllCalls >= 2, null, { timeout: 5000 });
    assert.equal(await page.evaluate(() => window.d.openAllCalls), 2);
    assert.deepEqual(log.pageErrors, [], 'the links call the library cleanly');
    await page.screenshot({ path: outPath('dtree.png'), fullPage: true });
    await context.close();
  });

  await t.test('hands the library the classes and parents of the run', async () => {
    const html = runKintree(['-j', examplesDir]);
    const { state, context } = await loadTree(browser, html);
    assert.deepEqual(state.nodes[0], { id: 0, pid: -1, raw: 'title1', name: 'title1', url: null });
    const expected = examplesNodes.map(([label, parent, file]) => [label, parent, path.join(zoo, file)]);
    assert.deepEqual(nodeTriples(state.nodes), expected);
    await context.close();
  });

  await t.test('gives interfaces and placeholders their kind and imported address with -A -I', async () => {
    const html = runKintree(['-A', '-I', '-j', examplesDir]);
    const { log, state, context } = await loadTree(browser, html);
    assertClean(log);
    const triples = nodeTriples(state.nodes);
    const find = (label) => triples.filter((triple) => triple[0] === label);
    assert.deepEqual(find('Named [interface]'), [['Named [interface]', 'title1', path.join(zoo, 'animals/Named.java')]]);
    assert.deepEqual(find('Pet [interface]'), [['Pet [interface]', 'Named [interface]', path.join(zoo, 'animals/Pet.java')]]);
    assert.deepEqual(find('Wolf'), [['Wolf', 'Dog', path.join(zoo, 'animals/Dog.java')]]);
    assert.deepEqual(find('Comparable [interface] { Imported }'), [
      ['Comparable [interface] { Imported }', 'title1', zoo + '/Comparable'],
    ]);
    for (const [label, , address] of triples) {
      if (!label.endsWith('{ Imported }')) assert.ok(fs.existsSync(address), `${label} points at ${address}`);
    }
    await context.close();
  });

  await t.test('keeps quotes, backslashes and markup of file paths as text', async (tt) => {
    const temp = makeTempDir();
    tt.after(temp.remove);
    const root = writeAwkwardTree(temp.dir);
    const html = runKintree(['-j', root]);
    const { log, state, context } = await loadTree(browser, html);
    assertClean(log);
    assert.equal(state.injected, undefined, 'no markup from a file name ran');
    assert.deepEqual(nodeTriples(state.nodes), [
      ['Base', 'title1', path.join(root, 'Base.java')],
      ['Leaf', 'Base', path.join(root, "o'k\\sub", 'Leaf.java')],
      ['Missing { Imported }', 'title1', root + '/Missing'],
      ['Other', 'Missing { Imported }', path.join(root, awkwardDir, 'Other.java')],
    ]);
    await context.close();
  });
});
