// The site in Debian's chromium, headless, served from 127.0.0.1: the first
// visit's language, paste and calculate, a list read in another language with
// the list switching, a refused text, level clicks, the copy, the remembered
// language, a phone's width without sideways scrolling, and no request
// outside the page's own origin.
//   node browser.mjs <site> <chromium> <folder holding node_modules>
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import assert from 'node:assert/strict';

const [site, chromium, npmDir] = process.argv.slice(2);
const puppeteer = createRequire(resolve(npmDir, 'package.json'))('puppeteer-core');

const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', site],
  { stdio: ['ignore', 'pipe', 'ignore'] });
const origin = await new Promise((resolve, reject) => {
  server.stdout.on('data', (data) => {
    const port = /port (\d+)/.exec(String(data));
    if (port) resolve(`http://127.0.0.1:${port[1]}`);
  });
  server.on('exit', () => reject(new Error('the web server did not start')));
});
const profile = mkdtempSync(join(tmpdir(), 'wagecourt-chromium-'));
const browser = await puppeteer.launch({
  executablePath: chromium, headless: true, userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
const ENGLISH = 'Jump Shot: strong\nJump Range: respectable\nOutside Def.: proficient\nHandling: prominent\n'
  + 'Driving: strong\nPassing: prolific\nInside Shot: awful\nInside Def.: awful\nRebounding: mediocre\n'
  + 'Shot Blocking: pitiful\n';

try {
  await browser.defaultBrowserContext().overridePermissions(origin, ['clipboard-read', 'clipboard-sanitized-write']);
  const page = await browser.newPage();
  page.on('pageerror', (error) => console.error(`page: ${error.message}`));
  page.on('console', (message) => console.error(`console: ${message.text()}`));
  const outside = [];
  page.on('request', (request) => {
    const url = new URL(request.url());
    if (url.origin !== origin && url.protocol !== 'data:' && url.protocol !== 'blob:') outside.push(request.url());
  });
  await page.evaluateOnNewDocument(() =>
    Object.defineProperty(navigator, 'languages', { get: () => ['de-DE', 'de', 'en'] }));
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

  const english = (await copied()).split('\n');
  assert.equal(english.length, 15, 'thirteen skills, the salary line and a line break');
  assert.equal(english[0], 'Jump Shot: strong');
  assert.equal(english[13], 'Weekly Salary 16 736 (Point Guard)');

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

  await page.setViewport({ width: 360, height: 640 });
  await page.reload();
  await page.waitForSelector('body.ready');
  assert.equal(await text('language'), 'Deutsch', 'the choice is remembered');
  await paste(german);
  await page.click('#calculate');
  for (const name of ['Português', 'Polski', 'Deutsch']) { // the longest skill and level names
    await choose(name);
    const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
    assert.ok(widths[0] <= widths[1], `no sideways scrolling at 360 pixels in ${name}: ${widths}`);
  }
  assert.equal(await page.$eval('#training', (table) => getComputedStyle(table).display), 'table');

  assert.deepEqual(outside, [], 'no request leaves the page\'s origin');
  console.log('the site passes in chromium');
} finally {
  await browser.close();
  server.kill();
  rmSync(profile, { recursive: true, force: true });
}
