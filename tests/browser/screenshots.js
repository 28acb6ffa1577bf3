#!/usr/bin/env node
// Writes docs/html-tree.png, docs/html-dtree.png, docs/html-table.png and
// docs/html-page-light.png, docs/html-page-dark.png: the HTML pages of
// examples/ as headless chromium shows them, the interactive page in both
// colour schemes with one class selected; and docs/mermaid.png, the Mermaid
// diagram of examples/ as the pinned Mermaid library draws it. The dtree
// page is drawn by the test double of the dtree library (the library itself
// is not packaged), so its tree has bullets instead of folder icons.
//   node tests/browser/screenshots.js [output directory]
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { repoRoot, runKintree, launchBrowser, openPage, openMermaidPage } = require('./lib/harness');

const pages = [
  { file: 'html-tree.png', args: ['-h'], viewport: { width: 980, height: 420 } },
  { file: 'html-dtree.png', args: ['-j'], viewport: { width: 640, height: 480 }, dtreeDouble: true },
  { file: 'html-table.png', args: ['-T', '-I'], viewport: { width: 900, height: 560 } },
  ...['light', 'dark'].map((colorScheme) => ({
    file: `html-page-${colorScheme}.png`, args: ['--html', '-A', '-I'], viewport: { width: 900, height: 470 },
    colorScheme, address: '#zoo.animals.Dog',
  })),
];

// The diagram README shows as a Mermaid block and as this picture.
const mermaidArgs = ['--mermaid', '-I', 'examples'];

async function main() {
  const outDir = path.resolve(process.argv[2] || path.join(repoRoot, 'docs'));
  fs.mkdirSync(outDir, { recursive: true });
  // A short, fixed source path keeps the file columns readable and the
  // pictures the same from one checkout to another.
  const demo = path.join(os.tmpdir(), 'kintree-demo');
  fs.rmSync(demo, { recursive: true, force: true });
  fs.cpSync(path.join(repoRoot, 'examples'), path.join(demo, 'examples'), { recursive: true });

  const browser = await launchBrowser();
  try {
    for (const shot of pages) {
      const html = runKintree([...shot.args, 'examples'], { cwd: demo });
      const { page, log, context } = await openPage(browser, html, shot);
      const problems = [...log.pageErrors, ...log.consoleErrors, ...log.unexpected];
      if (problems.length) throw new Error(`${shot.file}: the page did not load cleanly:\n${problems.join('\n')}`);
      if (shot.address) await page.evaluate((address) => { location.hash = address; }, shot.address);
      await page.screenshot({ path: path.join(outDir, shot.file), fullPage: true });
      await context.close();
      console.log(`wrote ${path.join(outDir, shot.file)}`);
    }
    const diagram = runKintree(mermaidArgs, { cwd: demo });
    const { page, log, context } = await openMermaidPage(browser, { viewport: { width: 1000, height: 600 } });
    await page.evaluate(async (source) => {
      const { svg } = await window.mermaid.render('diagram', source);
      document.getElementById('out').innerHTML = svg;
    }, diagram);
    const problems = [...log.pageErrors, ...log.consoleErrors, ...log.unexpected];
    if (problems.length) throw new Error(`mermaid.png: the diagram did not draw cleanly:\n${problems.join('\n')}`);
    await page.locator('#out svg').screenshot({ path: path.join(outDir, 'mermaid.png') });
    await context.close();
    console.log(`wrote ${path.join(outDir, 'mermaid.png')}`);
  } finally {
    await browser.close();
    fs.rmSync(demo, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error.message);
  process.exit(1);
});
