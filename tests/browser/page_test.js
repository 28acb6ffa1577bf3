// The --html page in chromium: it works offline (no request but its own),
// draws the forest, searches, moves by keyboard, shows details with links,
// narrows to one type and back, keeps the selection in the address, and
// shows hostile names as text.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const path = require('node:path');
const {
  runKintree, launchBrowser, openPage, examplesDir, makeTempDir, writeTree, writeAwkwardTree, awkwardDir,
  pageUrl, outPath,
} = require('./lib/harness');

/// The rows in the document, top to bottom, each as "level name" with
/// " *" on the keyboard's row; only rows in view are in the document.
function visibleRows(page) {
  return page.$$eval('#space .row:not([hidden])', (rows) =>
    rows
      .sort((a, b) => a.getBoundingClientRect().top - b.getBoundingClientRect().top)
      .map((row) => {
        const name = row.querySelector('.name').textContent + row.querySelector('.params').textContent;
        return `${row.getAttribute('aria-level')} ${name}${row.classList.contains('cursor') ? ' *' : ''}`;
      }));
}

/// The details panel: its heading, its fields as name -> text, and its
/// links as name -> link texts.
function detailsOf(page) {
  return page.$eval('#details', (panel) => {
    const fields = {};
    const links = {};
    for (const term of panel.querySelectorAll('dt')) {
      const value = term.nextElementSibling;
      const anchors = value.querySelectorAll('a');
      if (anchors.length) links[term.textContent] = Array.from(anchors, (a) => a.textContent);
      else fields[term.textContent] = value.textContent;
    }
    const heading = panel.querySelector('h2');
    return { heading: heading && heading.textContent, fields, links };
  });
}

function assertOffline(log) {
  assert.deepEqual(log.pageErrors, [], 'no script error');
  assert.deepEqual(log.consoleErrors, [], 'no console error');
  assert.ok(log.requests.every((url) => url === pageUrl), `no request but the page: ${log.requests}`);
}

// Rows of examples/ with -A -I: the first two levels are open at load,
// which for these three-level trees is every row.
const EXAMPLES_AT_LOAD = [
  '1 Animal', '2 Cat', '2 Dog', '3 Dog.Puppy', '3 Wolf', '1 Animal.Habitat', '1 Comparable',
  '1 Keeper..Meal', '1 Named', '2 Pet', '1 Registry<K>', '2 Keeper<T extends Animal>', '3 HeadKeeper',
  '1 Runnable', '1 java.io.Serializable',
];
// Kind marks in that order: class, placeholder, interface.
const EXAMPLES_MARKS_AT_LOAD = 'CCCCCC?CIICCC??';
const EXAMPLES_ROOTS = EXAMPLES_AT_LOAD.filter((row) => row.startsWith('1 '));

test('interactive page', async (t) => {
  const browser = await launchBrowser();
  t.after(() => browser.close());

  await t.test('draws the forest offline, opens and closes it, groups by package', async () => {
    const html = runKintree(['--html', '-A', '-I', examplesDir]);
    const { page, log, context } = await openPage(browser, html);
    assertOffline(log);
    assert.equal(log.requests.length, 1, 'the page itself, once');
    // The first two levels open: roots, their children and grandchildren.
    assert.deepEqual(await visibleRows(page), EXAMPLES_AT_LOAD);
    assert.deepEqual(
      await page.$$eval('#space .row:not([hidden]) .mark', (marks) => marks.map((mark) => mark.textContent).join('')),
      EXAMPLES_MARKS_AT_LOAD);

    await page.click('#collapse-all');
    assert.deepEqual(await visibleRows(page), EXAMPLES_ROOTS);
    // A click on the toggle opens one level and puts the keyboard there.
    await page.click('#space .row:has(.name:text-is("Animal")) .toggle');
    assert.deepEqual((await visibleRows(page)).slice(0, 4), ['1 Animal *', '2 Cat', '2 Dog', '1 Animal.Habitat']);
    await page.click('#space .row:has(.name:text-is("Animal")) .toggle');
    assert.deepEqual(await visibleRows(page), ['1 Animal *', ...EXAMPLES_ROOTS.slice(1)]);
    await page.click('#expand-all');
    assert.deepEqual(await visibleRows(page), ['1 Animal *', ...EXAMPLES_AT_LOAD.slice(1)]);

    // Grouped, each package holds its roots in list order.
    await page.check('#packages');
    assert.deepEqual(await visibleRows(page), [
      '1 zoo.animals', '2 Animal', '3 Cat', '3 Dog', '2 Animal.Habitat', '2 Comparable', '2 Named', '3 Pet',
      '2 java.io.Serializable', '1 zoo.keepers', '2 Keeper..Meal', '2 Runnable', '1 zoo.util', '2 Registry<K>',
      '3 Keeper<T extends Animal>',
    ]);
    await page.screenshot({ path: outPath('page.png') });
    await context.close();
  });

  await t.test('--focus, --depth and --packages: the part, its cut rows, grouped at load', async () => {
    const html = runKintree(['--html', '--focus=Pet', '--depth=1', '--packages', examplesDir]);
    const { page, log, context } = await openPage(browser, html);
    assertOffline(log);
    assert.ok(await page.isChecked('#packages'), 'grouped by package at load');
    assert.deepEqual(await visibleRows(page), ['1 zoo.animals', '2 Named', '3 Pet']);
    // Pet's implementers hang beneath it.
    await page.click('#expand-all');
    assert.deepEqual(await visibleRows(page), ['1 zoo.animals', '2 Named', '3 Pet', '4 Cat', '4 Dog']);
    const notes = await page.$$eval('#space .row:not([hidden])', (rows) =>
      rows.map((row) => row.querySelector('.note').textContent));
    assert.deepEqual(notes, ['1 root', '', '', '', '...'], 'Dog.Puppy is below the depth');
    await context.close();
  });

  await t.test('searches, moves by keyboard, follows links, focuses, keeps the address', async () => {
    const html = runKintree(['--html', '-A', '-I', examplesDir]);
    const { page, log, context } = await openPage(browser, html);
    const count = () => page.textContent('#count');

    // A name, case-insensitive, with its ancestors.
    await page.fill('#search', 'PUPPY');
    assert.equal(await count(), '1 match');
    assert.deepEqual(await visibleRows(page), ['1 Animal', '2 Dog', '3 Dog.Puppy']);
    // A qualified name, and a wildcard over whole names.
    await page.fill('#search', 'zoo.keepers.HeadKeeper');
    assert.deepEqual(await visibleRows(page), ['1 Registry<K>', '2 Keeper<T extends Animal>', '3 HeadKeeper']);
    await page.fill('#search', '*e?');
    assert.equal(await count(), 'No match');
    await page.fill('#search', 'd*g*');
    assert.equal(await count(), '2 matches');
    // Enter and the arrows step through the matches, round; the details follow.
    await page.press('#search', 'ArrowUp');
    assert.equal(await count(), '2 of 2');
    assert.equal((await detailsOf(page)).heading, 'CDog.Puppy');
    await page.press('#search', 'Enter');
    assert.equal(await count(), '1 of 2');
    assert.equal((await detailsOf(page)).heading, 'CDog');
    await page.press('#search', 'ArrowDown');
    assert.equal((await detailsOf(page)).heading, 'CDog.Puppy');
    await page.press('#search', 'ArrowUp');
    assert.equal(await page.evaluate(() => location.hash), '#zoo.animals.Dog');
    // Escape clears the search and the whole tree comes back, at Dog.
    await page.press('#search', 'Escape');
    assert.equal(await page.inputValue('#search'), '');
    assert.ok((await visibleRows(page)).includes('2 Dog *'));

    // The tree alone by keyboard: left closes and climbs, right opens and descends.
    await page.focus('#tree');
    await page.keyboard.press('ArrowDown');
    assert.equal((await detailsOf(page)).heading, 'CDog.Puppy');
    for (const key of ['ArrowLeft', 'ArrowLeft']) await page.keyboard.press(key);
    assert.ok((await visibleRows(page)).includes('2 Dog *'));
    assert.ok(!(await visibleRows(page)).includes('3 Dog.Puppy'), 'Dog closed');
    for (const key of ['ArrowRight', 'ArrowRight', 'End', 'Home']) await page.keyboard.press(key);
    assert.equal((await visibleRows(page))[0], '1 Animal *');
    assert.ok((await visibleRows(page)).includes('3 Dog.Puppy'), 'Dog open again');

    // Details, each link selecting its record.
    await page.click('#space .row .name:text-is("Cat")');
    const cat = await detailsOf(page);
    // The line comes with readers that count lines.
    assert.match(cat.fields.File, /^animals\/Cat\.java(:4)?$/);
    delete cat.fields.File;
    assert.deepEqual(cat, {
      heading: 'CCat',
      fields: {
        Kind: 'class', 'Qualified name': 'zoo.animals.Cat', Modifiers: 'public', Annotations: '@Deprecated ',
        Package: 'zoo.animals',
      },
      links: { Parents: ['Animal'], 'Interfaces (2)': ['Pet', 'java.io.Serializable'] },
    });
    await page.click('#details a:text-is("Animal")');
    assert.equal((await detailsOf(page)).heading, 'CAnimal');
    assert.equal(await page.evaluate(() => document.activeElement.tagName), 'H2');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Enter');  // the Focus button
    assert.deepEqual(await visibleRows(page), ['1 Animal *', '2 Cat', '2 Dog', '3 Dog.Puppy', '3 Wolf']);
    assert.ok(await page.isVisible('#focus-bar'));
    await page.click('#details a:text-is("Dog")');
    await page.click('#focus-clear');
    assert.ok(!(await page.isVisible('#focus-bar')));
    assert.deepEqual((await visibleRows(page)).length, EXAMPLES_AT_LOAD.length);

    // The address names the selection; a reload and a shared link show it.
    assert.equal(await page.evaluate(() => location.hash), '#zoo.animals.Dog');
    await page.goto(pageUrl + '#zoo.keepers.HeadKeeper');
    await page.reload();
    assert.equal((await detailsOf(page)).heading, 'CHeadKeeper');
    assert.ok((await visibleRows(page)).includes('3 HeadKeeper *'));
    await page.goBack();
    assert.equal((await detailsOf(page)).heading, 'CDog');
    assertOffline(log);
    await context.close();
  });

  await t.test('shows hostile names, paths and annotations as text', async (tt) => {
    const temp = makeTempDir();
    tt.after(temp.remove);
    const root = writeAwkwardTree(temp.dir);
    writeTree(root, {
      // Markup, a comment opener and a line separator in the annotation and
      // the type parameters; an interface with two parents.
      [`${awkwardDir}/Hostile.java`]:
        '@Evil</script><!--x public class Hostile<T</script><!--\u2028x> extends Base {}\n' +
        'interface Two extends One, Other {}\ninterface One {}\n',
    });
    const html = runKintree(['--html', '-A', '-I', root]);
    const { page, log, context } = await openPage(browser, html);
    assertOffline(log);
    assert.equal(await page.evaluate(() => window.injected), undefined, 'no markup from a name ran');
    await page.click('#expand-all');
    assert.deepEqual(await visibleRows(page), [
      '1 Base', '2 Leaf', '2 Hostile<T</script><!--\u2028x>', '1 Missing', '2 Other', '3 Two', '1 One', '2 Two',
    ]);
    assert.deepEqual(await page.$$eval('#space .row .note', (notes) => notes.map((note) => note.textContent).filter(Boolean)),
      ['2 parents', '2 parents']);
    await page.fill('#search', 'hostile');
    await page.press('#search', 'Enter');
    const details = await detailsOf(page);
    assert.equal(details.fields.Annotations, '@Evil</script><!--x ');
    assert.equal(details.fields['Type parameters'], '<T</script><!--\u2028x>');
    assert.match(details.fields.File, new RegExp(`^${awkwardDir.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}/Hostile\\.java(:1)?$`));
    assert.equal(await page.evaluate(() => decodeURIComponent(location.hash)), '#Hostile');
    await context.close();
  });
});
