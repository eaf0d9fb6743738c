// The page's player book in Debian's headless chromium: a player kept from the
// page is listed after a reload; the downloaded export imports into
// `wagecourt-cli book`, whose export the page imports back; two players
// compare, with nothing axe-core finds in either scheme; at 360 pixels the
// list is cards that fit the screen.
//   node book.mjs <site> <chromium> <folder holding node_modules> <wagecourt-cli>
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { ENGLISH, launch, serve, watch } from './harness.mjs';

const [site, chromium, npmDir, cli] = process.argv.slice(2);
const scratch = mkdtempSync(join(tmpdir(), 'wagecourt-book-'));
const book = join(scratch, 'book.sqlite');
const wagecourt = (args, input) => execFileSync(cli, ['book', '--book', book, ...args], { input, encoding: 'utf8' });
const server = await serve(site);
const browser = await launch(chromium, npmDir);
const shown = (page) => page.$$eval('#book-rows tr', (rows) => rows.map((row) =>
  [row.querySelector('.name').firstChild.textContent, row.querySelector('.num').textContent]));
try {
  const page = watch(await browser.newPage());
  await page.goto(`${server.origin}/`);
  await page.waitForSelector('body.book-ready');
  await page.$eval('#paste', (box, text) => { box.value = text; }, ENGLISH);
  await page.click('#calculate');
  await page.click('#keep');
  await page.type('#keep-name', '  Ann "A, B" Lee ');
  await page.type('#keep-note', 'left hand');
  await page.keyboard.press('Enter'); // Return in the form keeps
  await page.waitForFunction(() => document.querySelectorAll('#book-rows tr').length === 1);
  await page.reload();
  await page.waitForSelector('body.book-ready');
  assert.deepEqual(await shown(page), [['Ann "A, B" Lee', '16\u00a0736']]);

  // The export, downloaded, into the command line's book and out again.
  const downloads = join(scratch, 'downloads');
  mkdirSync(downloads);
  const session = await page.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.click('#book-export');
  for (let tries = 0; !readdirSync(downloads).some((name) => name.endsWith('.csv')); ++tries) {
    assert.ok(tries < 100, 'no export downloaded');
    await new Promise((done) => setTimeout(done, 50));
  }
  const file = join(downloads, readdirSync(downloads).find((name) => name.endsWith('.csv')));
  wagecourt(['import', file]);
  const listed = JSON.parse(wagecourt(['list', '--json']));
  assert.deepEqual([listed.name, listed.salary, listed.note], ['Ann "A, B" Lee', 16736, 'left hand']);

  wagecourt(['keep', 'Bo Kim', '-'], ENGLISH.replace('Jump Shot: strong', 'Jump Shot: legendary'));
  const exported = join(scratch, 'from-cli.jsonl');
  writeFileSync(exported, wagecourt(['export', '--json']));
  await (await page.$('#book-import')).uploadFile(exported);
  await page.waitForFunction(() => document.querySelectorAll('#book-rows tr').length === 2);
  assert.match(await page.$eval('#book-status', (status) => status.textContent), /new players: 1\b/);
  assert.equal(await page.evaluate(() => document.querySelector('#book-rows tr:nth-child(2) .name').firstChild.textContent), 'Bo Kim');

  await page.click('#book-rows tr:nth-child(2) input[type=checkbox]');
  await page.click('#book-rows tr:nth-child(1) input[type=checkbox]');
  await page.click('#compare');
  const compared = await page.$eval('#book-compare', (table) => [table.hidden,
    [...table.querySelectorAll('thead th')].map((head) => head.textContent)]);
  assert.deepEqual(compared, [false, ['Bo Kim', 'Ann "A, B" Lee']]);
  await page.evaluate(readFileSync(join(npmDir, 'node_modules/axe-core/axe.min.js'), 'utf8'));
  for (const scheme of ['light', 'dark']) { // the level colours are made readable again for the other scheme
    await page.select('#scheme', scheme);
    const { violations } = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
    assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((node) => node.target).join(' ')}`), [], scheme);
  }

  // A phone: a card each, nothing wider than the screen.
  await page.setViewport({ width: 360, height: 740 });
  const fits = await page.evaluate(() => [document.documentElement.scrollWidth,
    getComputedStyle(document.querySelector('#book-rows tr')).display]);
  assert.deepEqual(fits, [360, 'grid']);
  console.log('the book keeps, lists after a reload, exports to the command line and imports from it, and compares');
} finally {
  await browser.close();
  server.close();
  rmSync(scratch, { recursive: true, force: true });
}
