// The page's player book in Debian's headless chromium: Keep in Book waits for
// a player and its form for the button; a player kept from the page with tags
// is listed after a reload, and found by his tag; the downloaded export
// imports into `wagecourt-cli book`, whose export the page imports back, and
// so does a spreadsheet's semicolon CSV; a record that does not read is named
// and never deleted; the export is reminded of once; two players compare,
// with nothing axe-core finds in either scheme; at 1280 and 360 pixels no
// table is cut, and on a phone a tap ticks a card and Compare shows both.
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
  const keepState = () => page.evaluate(() => ['keep', 'keep-form', 'keep-why'].map((id) =>
    getComputedStyle(document.getElementById(id)).display !== 'none' && !document.getElementById(id).disabled));
  assert.deepEqual(await keepState(), [false, false, true], 'no player shown: nothing to keep, and why');
  await page.$eval('#paste', (box, text) => { box.value = text; }, ENGLISH);
  await page.click('#calculate');
  assert.deepEqual(await keepState(), [true, false, false], 'the form waits for Keep in Book');
  await page.click('#keep');
  await page.type('#keep-name', '  Ann "A, B" Lee ');
  await page.type('#keep-note', 'left hand');
  await page.type('#keep-tags', 'target, U21');
  await page.keyboard.press('Enter'); // Return in the form keeps
  await page.waitForFunction(() => document.querySelectorAll('#book-rows tr').length === 1);
  assert.deepEqual(await page.$$eval('#keep-form input', (fields) => fields.map((field) => field.value)), ['', '', '']);
  await page.reload();
  await page.waitForSelector('body.book-ready');
  assert.deepEqual(await shown(page), [['Ann "A, B" Lee', '16\u00a0736']]);
  assert.equal(await page.$eval('#book-backup', (line) => line.textContent), 'Never exported; snapshots kept in this browser only: 1.');

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
  assert.deepEqual([listed.name, listed.salary, listed.note, listed.tags], ['Ann "A, B" Lee', 16736, 'left hand', ['target', 'U21']]);
  assert.match(await page.$eval('#book-backup', (line) => line.textContent), /^Last exported on \d{4}-\d\d-\d\d; snapshots kept since: 0\.$/);

  wagecourt(['keep', 'Bo Kim', '-'], ENGLISH.replace('Jump Shot: strong', 'Jump Shot: legendary'));
  const exported = join(scratch, 'from-cli.jsonl');
  writeFileSync(exported, wagecourt(['export', '--json']));
  await (await page.$('#book-import')).uploadFile(exported);
  await page.waitForFunction(() => document.querySelectorAll('#book-rows tr').length === 2);
  assert.match(await page.$eval('#book-status', (status) => status.textContent), /\b1 new player\b/);
  assert.equal(await page.evaluate(() => document.querySelector('#book-rows tr:nth-child(2) .name').firstChild.textContent), 'Bo Kim');
  const semicolons = join(scratch, 'spreadsheet.csv');
  writeFileSync(semicolons, `sep=;\r\n${wagecourt(['export']).split('\n').filter((line) => /^(name|Bo Kim),/.test(line))
    .join('\r\n').replaceAll(',', ';').replace('Bo Kim', 'Cy Diaz')}\r\n`);
  await (await page.$('#book-import')).uploadFile(semicolons);
  await page.waitForFunction(() => document.querySelectorAll('#book-rows tr').length === 3);
  await page.select('#book-tag', 'target');
  assert.deepEqual((await shown(page)).map(([name]) => name), ['Ann "A, B" Lee'], 'the list by a tag');
  await page.select('#book-tag', '');

  // A record that no longer reads is named and outlives a keep to its name;
  // 20 snapshots since the export are reminded of once.
  const zeds = (damage) => page.evaluate((damaging) => new Promise((done) => {
    indexedDB.open('wagecourt-book').onsuccess = (event) => {
      const transaction = event.target.result.transaction(['snapshots', 'state'], 'readwrite');
      const [snapshots, state] = ['snapshots', 'state'].map((store) => transaction.objectStore(store));
      if (damaging) {
        snapshots.add({ name: 'Zed', date: '2026-01-01', note: '', language: 'English', levels: [99] });
        state.get('backup').onsuccess = (got) => state.put({ ...got.target.result, kept: 19 }, 'backup');
      }
      const counting = snapshots.index('name').count('Zed');
      transaction.oncomplete = () => { event.target.result.close(); done(counting.result); };
    };
  }), damage);
  await zeds(true);
  await page.reload();
  await page.waitForSelector('body.book-ready');
  assert.match(await page.$eval('#book-unreadable', (list) => list.textContent), /^Line \d: /);
  await page.$eval('#paste', (box, text) => { box.value = text; }, ENGLISH);
  await page.click('#calculate');
  await page.click('#keep');
  await page.type('#keep-name', 'Zed');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#book-reminder:not([hidden])');
  assert.equal(await zeds(false), 2, 'the damaged record and the one kept');
  await page.reload();
  await page.waitForSelector('body.book-ready');
  assert.equal(await page.$eval('#book-reminder', (reminder) => reminder.hidden), true, 'reminded once');
  await page.click('#book-rows tr:nth-child(4) [data-act=delete]');
  await page.waitForFunction(() => document.querySelectorAll('#book-rows tr').length === 3);

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

  // Nothing cut or wider than the screen, History's table in sight; on a
  // phone a card each, a tap ticks one, and the comparison is a card each.
  const cut = () => page.evaluate(() => [document.documentElement.scrollWidth, ...[...document.querySelectorAll('.book-scroll')]
    .filter((box) => box.offsetParent && (box.scrollWidth > box.clientWidth || box.scrollLeft)).map((box) => box.innerHTML.slice(0, 40))]);
  await page.setViewport({ width: 1280, height: 900 });
  await page.$eval('#book-rows tr:nth-child(1) [data-act=history]', (button) => button.click());
  assert.deepEqual(await cut(), [1280]);
  await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true });
  await page.reload();
  await page.waitForSelector('body.book-ready');
  for (const row of [1, 2]) {
    const tick = await page.$(`#book-rows tr:nth-child(${row}) input`);
    await tick.scrollIntoView();
    await page.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn))));
    const box = await tick.boundingBox();
    await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
  }
  await page.tap('#compare');
  const cards = await page.$$eval('.compare-card h4', (heads) => heads.filter((head) => head.offsetParent).map((head) => head.textContent));
  assert.deepEqual(cards, ['Ann "A, B" Lee', 'Bo Kim']);
  assert.deepEqual(await cut(), [360]);
  assert.equal(await page.evaluate(() => getComputedStyle(document.querySelector('#book-rows tr')).display), 'grid');
  console.log('the book keeps, lists after a reload, exports to the command line and imports from it, and compares');
} finally {
  await browser.close();
  server.close();
  rmSync(scratch, { recursive: true, force: true });
}
