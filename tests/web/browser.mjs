// The site in Debian's chromium, headless, served from 127.0.0.1: the first
// visit's language, paste and calculate, a list read in another language with
// the list switching, a refused text, level clicks, the copy and the share,
// the remembered language, a phone's width without sideways scrolling or a
// word broken inside itself, every level colour readable in both schemes, no
// fault axe-core finds, Chromium's installability check, a module that cannot
// load said so, a new version that waits to be asked for, and no request
// outside the page's own origin. The Plan section: cells clicked and tapped
// plan to the levels the command line's plan ends at, and its report is the
// command line's; a table on a wide screen, a list per skill on a phone, with
// the rest of the page in axe-core's and the phone's checks.
//   node browser.mjs <site> <chromium> <folder holding node_modules> <wagecourt-cli>
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { ENGLISH, launch, serve, watch } from './harness.mjs';

const [site, chromium, npmDir, cli] = process.argv.slice(2);
const wagecourt = (args, input = '') => spawnSync(cli, args.map(String), { input, encoding: 'utf8', env: { ...process.env, LANG: 'C.UTF-8' } });
// The first number in a text: "At the end: 18 765 (Point Guard), +2 029" is 18765.
const salaryIn = (text) => Number(/\d[\d\s]*/.exec(text)[0].replace(/\D/g, ''));
const shownLevels = JSON.parse(wagecourt(['import', '--json'], ENGLISH).stdout).levels;
// Where the command line's plan to these targets ends, and in how many steps.
const cliPlan = (targets) => {
  const { plan, end } = JSON.parse(wagecourt(['plan', ...shownLevels, ...targets.flatMap((to) => ['--to', to]), '--json']).stdout);
  return [end.salary, plan.length];
};
// A copy of the site, for a new version to appear in.
const served = mkdtempSync(join(tmpdir(), 'wagecourt-site-'));
cpSync(site, served, { recursive: true });
const server = await serve(served);
const origin = server.origin;
const browser = await launch(chromium, npmDir);
const axe = readFileSync(join(npmDir, 'node_modules/axe-core/axe.min.js'), 'utf8');
// Every level, in two players: the first ten levels and the last ten.
const LEVELS = ['atrocious', 'pitiful', 'awful', 'inept', 'mediocre', 'average', 'respectable', 'strong', 'proficient',
  'prominent', 'prolific', 'sensational', 'tremendous', 'wondrous', 'marvelous', 'prodigious', 'stupendous',
  'phenomenal', 'colossal', 'legendary'];
const player = (first) => ENGLISH.trim().split('\n').map((line, k) => `${line.split(':')[0]}: ${LEVELS[first + k]}`).join('\n');

try {
  await browser.defaultBrowserContext().overridePermissions(origin, ['clipboard-read', 'clipboard-sanitized-write']);
  const page = watch(await browser.newPage());
  const outside = [];
  page.on('request', (request) => {
    const url = new URL(request.url());
    if (url.origin !== origin && url.protocol !== 'data:' && url.protocol !== 'blob:') outside.push(request.url());
  });
  await page.evaluateOnNewDocument(() => {
    Object.defineProperty(navigator, 'languages', { get: () => ['de-DE', 'de', 'en'] });
    navigator.share = async (data) => { window.shared = data; };
  });
  await page.setViewport({ width: 1280, height: 900 });
  await page.goto(`${origin}/`);
  await page.waitForSelector('body.ready');
  const text = (id) => page.$eval(`#${id}`, (element) => (element.tagName === 'SELECT' ? element.value : element.textContent));
  const choose = (name) => page.select('#language', name);
  const paste = async (list) => {
    await page.$eval('#paste', (box, value) => { box.value = value; }, list);
  };
  const copied = async () => {
    await page.click('#copy');
    return page.evaluate(() => navigator.clipboard.readText());
  };

  assert.equal(await text('language'), 'Deutsch', 'a first visit takes the browser language');
  await choose('English');
  await paste(ENGLISH);
  await page.focus('#paste');
  await page.keyboard.down('Control');
  await page.keyboard.press('Enter');
  await page.keyboard.up('Control');
  assert.equal(await text('salary'), '16 736');
  assert.equal(await text('position'), 'Point Guard');

  await page.click('#level-1');
  assert.equal(await text('level-1'), 'proficient');
  assert.equal(await text('salary'), '17 204');
  await page.click('#level-1', { button: 'right' });
  await page.focus('#level-2');
  await page.keyboard.press('+');
  assert.equal(await text('level-2'), 'strong');
  await page.keyboard.press('-');
  assert.equal(await text('salary'), '16 736');

  // Targets clicked in the table, one after another, the same again, another
  // level of the same skill: each plan ends where the command line's does.
  const planEnd = async () => [salaryIn(await text('plan-end')), await page.$$eval('#plan-step-list li', (steps) => steps.length)];
  assert.equal(await page.$eval('#plan-skills', (list) => getComputedStyle(list).display), 'none', 'a table on a wide screen');
  for (const [click, targets] of [['IS12', ['IS=12']], ['JS15', ['IS=12', 'JS=15']], ['IS12', ['JS=15']], ['JS10', ['JS=10']]]) {
    await page.click(`#plan-table [data-key="${click}"]`);
    assert.deepEqual(await planEnd(), cliPlan(targets), `clicked ${click}: ${targets}`);
  }
  // The keyboard's way: the arrows move the one cell Tab reaches, Enter sets its target.
  await page.focus('#plan-table [data-key="IS12"]');
  for (const key of ['ArrowDown', 'ArrowRight', 'Enter']) await page.keyboard.press(key);
  assert.deepEqual([...await planEnd(), await page.$$eval('#plan-table [tabindex="0"]', (cells) => cells.map((cell) => cell.dataset.key))],
    [...cliPlan(['JS=10', 'ID=13']), ['ID13']], 'arrows and Enter');
  await page.type('#plan-limit-input', '20000');
  await page.type('#plan-cheapest-input', '3');
  await page.type('#plan-shown-input', '16700');
  await page.click('#plan-report');
  const shownCheck = wagecourt(['calc', ...shownLevels, '--shown', '16700']).stderr;
  assert.equal((await page.evaluate(() => navigator.clipboard.readText())).trim(), shownCheck.slice(shownCheck.indexOf('\n\n') + 2).trim(),
    'the report of a salary that differs is the command line\'s');
  assert.match(await text('plan-version'), /^Wagecourt \d+\.\d+, salary formula \d+$/);

  const english = (await copied()).split('\n');
  assert.equal(english.length, 15, 'thirteen skills, the salary line and a line break');
  assert.equal(english[0], 'Jump Shot: strong');
  assert.equal(english[13], 'Weekly Salary 16 736 (Point Guard)');
  await page.click('#share');
  assert.equal(await page.evaluate(() => window.shared.text), english.join('\n'), 'the share sheet gets the copy');

  await choose('Deutsch');
  assert.notEqual(await text('calculate'), 'Calculate Salary');
  assert.equal(await text('copy'), 'Ergebnis kopieren', 'the page\'s own words follow the language');
  const german = await copied(); // the whole copy reads back
  await choose('Français');
  await paste(german);
  await page.click('#calculate');
  assert.equal(await text('language'), 'Deutsch', 'a German list switches the list to Deutsch');
  assert.equal(await text('salary'), '16 736');

  await paste('Hello: world');
  await page.click('#calculate');
  assert.equal(await page.$eval('#error', (element) => element.hidden), false, 'a refused text is said so');
  assert.equal(await text('salary'), '16 736', 'and changes nothing');

  // Light and dark, in English and Deutsch, with a player shown: every level
  // readable on its card, and nothing axe-core finds.
  for (const [scheme, name] of [['light', 'English'], ['dark', 'English'], ['light', 'Deutsch'], ['dark', 'Deutsch']]) {
    await page.select('#scheme', scheme);
    await choose('English');
    for (const first of [0, 10]) {
      await paste(player(first));
      await page.click('#calculate');
      const faint = await page.$$eval('.value', (values) => values.map((value) => {
        const rgb = (color) => color.match(/\d+/g).slice(0, 3).map((c) => (c /= 255) <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4);
        const luminance = (color) => rgb(color).reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
        const [a, b] = [luminance(getComputedStyle(value).color), luminance(getComputedStyle(value.parentElement).backgroundColor)];
        return [value.textContent, (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)];
      }).filter(([, ratio]) => ratio < 4.5));
      assert.deepEqual(faint, [], `every level stands 4.5:1 on its card, ${scheme}`);
    }
    await choose(name);
    await page.evaluate(axe);
    const { violations } = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
    assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((node) => node.target).join(' ')}`), [], `axe, ${scheme}, ${name}`);
  }
  await page.select('#scheme', 'system');
  const session = await page.createCDPSession();
  assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, [], 'installable');

  await page.setViewport({ width: 360, height: 640, isMobile: true, hasTouch: true });
  await page.reload();
  await page.waitForSelector('body.ready');
  assert.equal(await text('language'), 'Deutsch', 'the choice is remembered');
  await paste(german);
  await page.click('#calculate');
  for (const [id, typed] of [['limit', '20000'], ['cheapest', '3'], ['shown', '16700']]) await page.type(`#plan-${id}-input`, typed);
  for (const name of ['Português', 'Polski', 'Deutsch', 'Türkçe', 'Français']) { // the longest skill and level names
    await choose(name);
    const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
    assert.ok(widths[0] <= widths[1], `no sideways scrolling at 360 pixels in ${name}: ${widths}`);
    // Each word's letters on one line: a word broken inside itself has its range on two.
    const broken = await page.evaluate(() => {
      const found = [];
      const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
      for (let node; (node = walker.nextNode());) {
        for (const word of node.data.matchAll(/[^ \n\t-]+-?/g)) {
          const range = new Range();
          range.setStart(node, word.index);
          range.setEnd(node, word.index + word[0].length);
          if (new Set([...range.getClientRects()].filter((box) => box.width).map((box) => Math.round(box.bottom))).size > 1) found.push(word[0]);
        }
      }
      return found;
    });
    assert.deepEqual(broken, [], `no word broken inside itself at 360 pixels in ${name}`);
  }
  assert.equal(await page.$eval('#training', (table) => getComputedStyle(table).display), 'table');
  assert.deepEqual(await page.$$eval('#plan-table, #plan-skills', (views) => views.map((view) => view.offsetParent !== null)),
    [false, true], 'a list per skill on a phone');
  await page.tap('#plan-skills [data-key="RB9"]');
  assert.deepEqual([salaryIn(await text('plan-end'))], [cliPlan(['RB=9'])[0]], 'a tap plans as a click does');
  await page.evaluate(axe);
  const { violations: narrow } = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
  assert.deepEqual(narrow.map((v) => `${v.id}: ${v.nodes.map((node) => node.target).join(' ')}`), [], 'axe at 360 pixels');
  assert.deepEqual(outside, [], 'no request leaves the page\'s origin');

  // A new version of the site: installed by the service worker, offered, and taken only when asked for.
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.waitForSelector('body.ready');
  const worker = join(served, 'sw.js');
  writeFileSync(worker, readFileSync(worker, 'utf8').replace(/const CACHE = '[^']*'/, "const CACHE = 'wagecourt-next'"));
  await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
  await page.waitForSelector('#update:not([hidden])');
  assert.deepEqual(await page.evaluate(async () => [(await caches.keys()).length, !!(await navigator.serviceWorker.getRegistration()).waiting]),
    [2, true], 'installed beside the open version, and waiting');
  await Promise.all([page.waitForNavigation(), page.click('#reload')]);
  await page.waitForSelector('body.ready');
  assert.deepEqual(await page.evaluate(async () => caches.keys()), ['wagecourt-next'], 'taken when asked for');

  // A module that cannot load: said so in the browser's language.
  const failing = watch(await (await browser.createBrowserContext()).newPage());
  await failing.evaluateOnNewDocument(() =>
    Object.defineProperty(navigator, 'languages', { get: () => ['pl-PL', 'pl'] }));
  await failing.setRequestInterception(true);
  failing.on('request', (request) => (request.url().endsWith('.wasm') ? request.abort() : request.continue()));
  await failing.goto(`${origin}/`);
  await failing.waitForSelector('#error:not([hidden])');
  const said = await failing.evaluate(() => [document.getElementById('error').textContent, document.documentElement.lang]);
  assert.deepEqual(said, ['Nie udało się wczytać kalkulatora. Odśwież stronę lub otwórz ją w aktualnej przeglądarce.', 'pl']);
  console.log('the site passes in chromium');
} finally {
  await browser.close();
  server.close();
  rmSync(served, { recursive: true, force: true });
}
