// The -h page in chromium: its four embedded images decode to the pictures
// they stand for, show on screen, and the rows draw the tree.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const path = require('node:path');
const {
  runKintree, launchBrowser, openPage, examplesDir, makeTempDir, writeAwkwardTree, awkwardDir, outPath,
} = require('./lib/harness');

const zoo = path.join(examplesDir, 'zoo');

// Rows of examples/ with default switches: [file, images, text of the class cell].
const examplesRows = [
  ['animals/Animal.java', [], 'public abstract Animal Interfaces:Comparable'],
  ['animals/Cat.java', ['img2'], 'public Cat Interfaces:Pet, java.io.Serializable'],
  ['animals/Dog.java', ['img1'], 'public Dog Interfaces:Pet'],
  ['animals/Dog.java', ['imgN', 'img2'], 'public static final Dog.Puppy'],
  ['animals/Animal.java', [], 'public static Animal.Habitat'],
  ['animals/Animal.java', [], 'Comparable'],
  ['keepers/Keeper.java', [], 'Keeper..Meal'],
  ['animals/Named.java', [], 'public Named'],
  ['util/Registry.java', [], 'public Registry'],
  ['keepers/Keeper.java', ['img1'], 'public Keeper'],
  ['keepers/HeadKeeper.java', ['imgN', 'img1'], 'public final HeadKeeper Interfaces:Runnable'],
  ['keepers/HeadKeeper.java', [], 'Runnable'],
  ['animals/Cat.java', [], 'java.io.Serializable'],
];

// Pixels [x, y] that must be bar-coloured or white in each picture; the bar
// is three columns wide at 7..9, the arms run from column 7 to the right.
const pictures = {
  img0: { dark: [[7, 0], [8, 10], [9, 19]], white: [[6, 10], [10, 10], [0, 0], [19, 19], [15, 9]] },
  img1: { dark: [[8, 0], [8, 11], [15, 8], [19, 11], [7, 9]], white: [[8, 13], [8, 19], [15, 7], [15, 12], [3, 9]] },
  img2: { dark: [[8, 0], [8, 19], [15, 8], [19, 10]], white: [[15, 7], [15, 11], [3, 9], [12, 19]] },
};

/// In the page: decodes the data address of every img.* rule and reports
/// size and the RGBA of each pixel.
function decodeImages(page) {
  return page.evaluate(async () => {
    const result = {};
    for (const sheet of document.styleSheets) {
      for (const rule of sheet.cssRules) {
        const match = /^img\.(\w+)$/.exec(rule.selectorText || '');
        if (!match) continue;
        const url = /url\("?([^")]*)"?\)/.exec(rule.style.content)[1];
        const image = new Image();
        image.src = url;
        await image.decode();
        const canvas = document.createElement('canvas');
        canvas.width = image.naturalWidth;
        canvas.height = image.naturalHeight;
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
        result[match[1]] = {
          width: image.naturalWidth,
          height: image.naturalHeight,
          box: [rule.style.width, rule.style.height],
          pixels: Array.from(data),
        };
      }
    }
    return result;
  });
}

/// Counts near-black pixels of a PNG by decoding it in the page.
function darkPixels(page, png) {
  return page.evaluate(async (base64) => {
    const image = new Image();
    image.src = 'data:image/png;base64,' + base64;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.naturalWidth;
    canvas.height = image.naturalHeight;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
    let dark = 0;
    for (let i = 0; i < data.length; i += 4) if (data[i] < 60 && data[i + 1] < 60 && data[i + 2] < 60) dark++;
    return dark;
  }, png.toString('base64'));
}

/// [file, image classes, text of the class cell] per table row.
function tableRows(page) {
  return page.$$eval('tr', (trs) =>
    trs.map((tr) => [
      tr.cells[0].textContent.trim(),
      Array.from(tr.cells[1].querySelectorAll('img'), (img) => img.className),
      tr.cells[1].textContent.replace(/\s+/g, ' ').trim(),
    ]));
}

function pixel(image, [x, y]) {
  const at = (y * image.width + x) * 4;
  return image.pixels.slice(at, at + 4);
}

test('image tree page', async (t) => {
  const browser = await launchBrowser();
  t.after(() => browser.close());
  const html = runKintree(['-h', examplesDir]);
  assert.match(html, /^<html>\n<style>\n/);

  await t.test('embeds four 20x20 images that decode to the tree pieces', async () => {
    const { page, log, context } = await openPage(browser, html);
    assert.deepEqual(log.pageErrors, []);
    assert.deepEqual(log.consoleErrors, []);
    const images = await decodeImages(page);
    assert.deepEqual(Object.keys(images), ['img0', 'img1', 'img2', 'imgN']);
    for (const [name, image] of Object.entries(images)) {
      assert.deepEqual([image.width, image.height], [20, 20], `${name} is 20x20`);
      assert.deepEqual(image.box, ['32px', '32px'], `${name} shows at 32x32`);
    }
    for (const [name, { dark, white }] of Object.entries(pictures)) {
      for (const at of dark) assert.deepEqual(pixel(images[name], at), [18, 16, 7, 255], `${name} bar at ${at}`);
      for (const at of white) assert.deepEqual(pixel(images[name], at), [255, 255, 255, 255], `${name} white at ${at}`);
    }
    const blank = images.imgN.pixels.filter((value, index) => index % 4 === 3 && value !== 0);
    assert.equal(blank.length, 0, 'imgN is fully transparent');
    await context.close();
  });

  await t.test('shows the images on screen at 32x32', async () => {
    const { page, context } = await openPage(browser, html);
    const boxes = await page.$$eval('img', (elements) =>
      elements.map((e) => [e.className, Math.round(e.getBoundingClientRect().width), Math.round(e.getBoundingClientRect().height)]));
    assert.ok(boxes.length > 0);
    for (const box of boxes) assert.deepEqual(box.slice(1), [32, 32], `${box[0]} drawn at 32x32`);
    for (const name of ['img1', 'img2']) {
      const shot = await page.locator(`img.${name}`).first().screenshot();
      assert.ok((await darkPixels(page, shot)) > 32, `${name} draws its bar`);
    }
    const blankShot = await page.locator('img.imgN').first().screenshot();
    assert.equal(await darkPixels(page, blankShot), 0, 'imgN draws nothing');
    await page.screenshot({ path: outPath('tree.png'), fullPage: true });
    await context.close();
  });

  await t.test('draws one row per tree line with the connecting images', async () => {
    const { page, context } = await openPage(browser, html);
    const rows = await tableRows(page);
    assert.deepEqual(rows, examplesRows.map(([file, images, text]) => [path.join(zoo, file), images, text]));
    await context.close();
  });

  await t.test('keeps quotes, backslashes and markup of file paths as text', async (tt) => {
    const temp = makeTempDir();
    tt.after(temp.remove);
    const root = writeAwkwardTree(temp.dir);
    const { page, log, context } = await openPage(browser, runKintree(['-h', root]));
    assert.deepEqual([log.pageErrors, log.consoleErrors, log.unexpected], [[], [], []]);
    assert.equal(await page.evaluate(() => window.injected), undefined, 'no markup from a file name ran');
    const other = path.join(root, awkwardDir, 'Other.java');
    assert.deepEqual(await tableRows(page), [
      [path.join(root, 'Base.java'), [], 'public Base'],
      [path.join(root, "o'k\\sub", 'Leaf.java'), ['img1'], 'public Leaf'],
      [other, [], 'Missing'],
      [other, ['img1'], 'public Other'],
    ]);
    await context.close();
  });
});
