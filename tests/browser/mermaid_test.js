// Every Mermaid diagram of the whole-run cases drawn by the real Mermaid
// library (pinned in package.json, served from node_modules) in chromium:
// no parse or render error, one node per record the JSON of the same run
// shows, with that record's name as its label, and one edge per link.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const {
  runKintree, launchBrowser, openMermaidPage, makeTempDir, placeGoldenCase, goldenDir,
} = require('./lib/harness');

const cases = fs.readdirSync(goldenDir).filter((name) => {
  const args = path.join(goldenDir, name, 'args');
  return fs.existsSync(args) && fs.readFileSync(args, 'utf8').split('\n').includes('--mermaid');
});

/// Draws text on the open page and reports, per class node, its id and the
/// texts of its name and stereotype, and the id of every edge.
async function draw(page, text) {
  return page.evaluate(async (source) => {
    const out = document.getElementById('out');
    out.innerHTML = '';
    try {
      await window.mermaid.parse(source);
      const { svg } = await window.mermaid.render('diagram', source);
      out.innerHTML = svg;
    } catch (error) {
      return { error: String(error && error.message ? error.message : error) };
    }
    const label = (node, group) => {
      const element = node.querySelector(`.${group}`);
      return element ? element.textContent : '';
    };
    return {
      nodes: [...out.querySelectorAll('g.node')].map((node) => ({
        id: node.id,
        name: label(node, 'label-group'),
        stereotype: label(node, 'annotation-group'),
      })),
      edges: [...out.querySelectorAll('path.relation')].map((edge) => edge.id),
    };
  }, text);
}

const stereotypes = { interface: '«interface»', enum: '«enumeration»', record: '«record»',
  annotation: '«annotation»' };

test('every Mermaid diagram of the whole-run cases renders with its records and links', async (t) => {
  assert.ok(cases.length >= 4, `Mermaid cases: ${cases}`);
  const browser = await launchBrowser();
  t.after(() => browser.close());
  const { page, log } = await openMermaidPage(browser);
  for (const name of cases) {
    await t.test(name, async () => {
      const temp = makeTempDir();
      try {
        const args = placeGoldenCase(path.join(goldenDir, name), temp.dir);
        // A name table may come first; the diagram is the rest.
        const output = runKintree(args, { cwd: temp.dir });
        const text = output.slice(output.indexOf('classDiagram\n'));
        const doc = JSON.parse(runKintree(args.map((arg) => (arg === '--mermaid' ? '--json' : arg)),
          { cwd: temp.dir }));
        const drawn = await draw(page, text);
        assert.equal(drawn.error, undefined, `Mermaid refused the diagram:\n${text}`);
        assert.deepEqual(log.pageErrors, []);
        assert.deepEqual(log.consoleErrors, []);
        assert.deepEqual(log.unexpected, [], 'no request beyond the page and the library');

        // Node ids are "diagram-classId-<class id>-<n>"; a class id ends in
        // its record's position, the JSON id.
        const classIds = new Map();
        for (const node of drawn.nodes) {
          const classId = node.id.match(/^diagram-classId-(.*_(\d+))-\d+$/);
          assert.ok(classId, `node id ${node.id}`);
          const record = doc.types[Number(classId[2])];
          assert.ok(record && !classIds.has(record.id), `one node per record: ${node.id}`);
          classIds.set(record.id, classId[1]);
          // A record whose children --depth left out says so after its name.
          assert.equal(node.name, record.name + (record.cut ? ' ...' : ''), `label of ${classId[1]}`);
          assert.equal(node.stereotype, stereotypes[record.kind] || '', `stereotype of ${record.name}`);
        }
        assert.equal(classIds.size, doc.types.length, 'a node for every record');

        const expected = [];
        for (const record of doc.types) {
          for (const from of [...record.parents, ...record.interfaces]) {
            expected.push(`diagram-id_${classIds.get(from)}_${classIds.get(record.id)}_`);
          }
        }
        assert.equal(drawn.edges.length, expected.length, 'one edge per link');
        for (const prefix of expected) {
          assert.ok(drawn.edges.some((id) => id.startsWith(prefix)), `edge ${prefix}`);
        }
      } finally {
        temp.remove();
      }
    });
  }
});
