// The page's player book in Debian's headless chromium: Keep in Book waits for
// a player and its form for the button; a player kept from the page with tags
// is listed after a reload, and found by his tag; the downloaded export
// imports into `wagecourt-cli book`, whose export the page imports back, and
// so does a spreadsheet's semicolon CSV; a record that does not read is named
// and never deleted; the export is reminded of once; two players compare,
// with nothing axe-core finds in either scheme; at 1280 and 360 pixels no
// table is cut, and on a phone a tap ticks a card and Compare shows both.
// A link the command line makes, opened as the page's address, adds exactly
// its players, and the Plan section forecasts one shown from the book as the
// command line does; the page's own link, read back by the command line,
// makes the same book byte for byte, and so does its QR code read by
// zbarimg; a damaged link adds nothing and says why.
//   node book.mjs <site> <chromium> <folder holding node_modules> <wagecourt-cli>
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
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

  // Two players, one with a note, a tag and a month of snapshots, the other
  // with markup in his name, in a book of their own.
  const source = join(scratch, 'linked.sqlite');
  const linked = (args, input) => execFileSync(cli, ['book', '--book', source, ...args], { input, encoding: 'utf8' });
  linked(['keep', 'Dee Ray', '--date', '2026-01-04', '--note', 'quick', '--tag', 'U21', '-'], ENGLISH);
  linked(['keep', 'Dee Ray', '--date', '2026-02-01', '-'], ENGLISH.replace('Passing: prolific', 'Passing: sensational'));
  const marked = 'Eli <img src=x onerror="window.injected=1"> Vos';
  linked(['keep', marked, '--date', '2026-01-11', '-'], ENGLISH.replace('Driving: strong', 'Driving: legendary'));
  const bare = linked(['export', '--link']).trim().replace(/^.*(#book=|\?)/, '');
  const context = await browser.createBrowserContext();
  await context.overridePermissions(server.origin, ['clipboard-read', 'clipboard-sanitized-write']);
  const fresh = watch(await context.newPage());
  await fresh.evaluateOnNewDocument(() => { delete Navigator.prototype.share; }); // Copy Link, as on most desktops
  await fresh.setViewport({ width: 1280, height: 900, deviceScaleFactor: 2 });
  await fresh.goto(`${server.origin}/#book=${bare}`);
  await fresh.waitForSelector('#link-offer:not([hidden])');
  assert.deepEqual(await fresh.$$eval('#link-names li', (names) => names.map((name) => name.textContent)), ['Dee Ray', marked]);
  assert.equal(await fresh.evaluate(() => location.hash), '', 'the link leaves the address');
  await fresh.waitForSelector('body.book-ready');
  await fresh.click('#link-add');
  await fresh.waitForFunction(() => document.querySelectorAll('#book-rows tr').length === 2);
  await fresh.reload(); // what is listed now is what the browser stored
  await fresh.waitForSelector('body.book-ready');
  const players = linked(['list', '--json']).trim().split('\n').map((line) => JSON.parse(line));
  assert.deepEqual((await shown(fresh)).map(([name, salary]) => [name, Number(salary.replace(/\D/g, ''))]),
    players.map((player) => [player.name, player.salary]));
  assert.deepEqual(await fresh.evaluate(() => [typeof window.injected, document.querySelectorAll('main img').length]),
    ['undefined', 0], 'a name is text, never markup');
  await fresh.click('#book-rows tr:nth-child(1) [data-act=show]');
  await fresh.waitForSelector('#plan-forecast:not([hidden]) tbody');
  const forecast = JSON.parse(linked(['forecast', 'Dee Ray', '--json']));
  assert.deepEqual(await fresh.$$eval('#plan-forecast tbody tr td:last-child', (cells) => cells.map((cell) => Number(cell.textContent))),
    forecast.levels, 'Dee Ray forecast as the command line forecasts him');

  // The whole book as the page's link: copied, read back by the command line
  // into a book of its own, and decoded from the QR code's picture.
  assert.equal(await fresh.$eval('#book-share', (button) => button.textContent), 'Copy Link');
  await fresh.click('#book-share');
  await fresh.waitForSelector('#book-link-qr svg');
  const link = await fresh.evaluate(() => navigator.clipboard.readText());
  assert.equal(link, `${server.origin}/#book=${bare}`, 'the same players make the same link, to the page\'s own address');
  const back = join(scratch, 'back.sqlite');
  const read = spawnSync(cli, ['book', '--book', back, 'import', '--link', link], { encoding: 'utf8' });
  assert.equal(read.stderr.trim(), await fresh.$eval('#book-link-holds', (holds) => holds.textContent));
  assert.equal(execFileSync(cli, ['book', '--book', back, 'export'], { encoding: 'utf8' }), linked(['export']));
  const picture = join(scratch, 'qr.png');
  await (await fresh.$('#book-link-qr svg')).screenshot({ path: picture });
  assert.equal(execFileSync('zbarimg', ['--quiet', '--raw', picture], { encoding: 'utf8' }).trim(), link);

  // A link cut short, opened in the open page: said so, and nothing added.
  await fresh.evaluate((damaged) => { location.hash = damaged; }, `#book=${bare.slice(0, -4)}`);
  await fresh.waitForSelector('#error:not([hidden])');
  assert.match(await fresh.$eval('#error', (error) => error.textContent), /\w/);
  assert.deepEqual([await fresh.$eval('#link-offer', (offer) => offer.hidden), (await shown(fresh)).length], [true, 2]);
  await context.close();
  console.log('the book keeps, lists after a reload, exports to the command line and imports from it, compares, '
    + 'and adds the players of a link and makes one');
} finally {
  await browser.close();
  server.close();
  rmSync(scratch, { recursive: true, force: true });
}
