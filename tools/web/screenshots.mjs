// Retakes the README's pictures of the page, after `cmake --workflow --preset
// web`: a phone (360 × 640) in Deutsch and a desktop (1280 × 900) in English,
// each with the README's player imported, in Debian's headless chromium; the
// player book with three players kept, two of them compared, on a phone (360 ×
// 740, its comparison) and a desktop (1280 pixels, the whole book); and the two
// its manifest shows in a browser's install dialog, small WebP files of a
// desktop (1280 × 720) and a phone (360 × 740) in English.
//   node tools/web/screenshots.mjs [build/web]
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

const build = process.argv[2] ?? 'build/web';
const puppeteer = createRequire(resolve(build, 'tests/web/npm/package.json'))('puppeteer-core');
const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', join(build, 'site')],
  { stdio: ['ignore', 'pipe', 'ignore'] });
const origin = await new Promise((resolve) => server.stdout.on('data', (data) => {
  const port = /port (\d+)/.exec(String(data));
  if (port) resolve(`http://127.0.0.1:${port[1]}`);
}));
const profile = mkdtempSync(join(tmpdir(), 'wagecourt-shots-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--hide-scrollbars'],
});
const LIST = 'Jump Shot: strong\nJump Range: respectable\nOutside Def.: proficient\nHandling: prominent\n'
  + 'Driving: strong\nPassing: prolific\nInside Shot: awful\nInside Def.: awful\nRebounding: mediocre\n'
  + 'Shot Blocking: pitiful\nStamina: strong\nFree Throw: average\nExperience: mediocre\n';
try {
  for (const [file, width, height, language, whole] of [['docs/web-phone.png', 360, 640, 'Deutsch', false],
    ['docs/web-desktop.png', 1280, 900, 'English', true],
    ['src/web/site/screenshots/wide.webp', 1280, 720, 'English', false],
    ['src/web/site/screenshots/narrow.webp', 360, 740, 'English', false]]) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width, height });
    await page.goto(`${origin}/`);
    await page.waitForSelector('body.ready');
    await page.select('#language', language);
    await page.$eval('#paste', (box, list) => { box.value = list; }, LIST);
    await page.click('#calculate');
    await page.select('#language', language);
    if (width > 600) await page.hover('#level-1');
    await page.screenshot({ path: file, fullPage: whole, ...(file.endsWith('.webp') ? { quality: 30 } : {}) });
    await context.close();
  }
  // The book: kept through the page's own form, as a manager keeps them.
  for (const [file, width, height] of [['docs/web-book-phone.png', 360, 740], ['docs/web-book-desktop.png', 1280, 900]]) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width, height });
    await page.goto(`${origin}/`);
    await page.waitForSelector('body.book-ready');
    await page.select('#language', 'English');
    for (const [name, note, tags, from, to] of [['Ann Lee', 'left-handed, ask in March', 'target U21', 'Jump Shot: strong', 'Jump Shot: strong'],
      ['Bo Kim', '', 'sell', 'Passing: prolific', 'Passing: strong'], ['Ann Lee', '', '', 'Driving: strong', 'Driving: proficient'],
      ['Cy Diaz', 'trial in May', 'target', 'Rebounding: mediocre', 'Rebounding: prolific']]) {
      await page.$eval('#paste', (box, list) => { box.value = list; }, LIST.replace(from, to));
      await page.click('#calculate');
      await page.click('#keep');
      await page.type('#keep-name', name);
      await page.$eval('#keep-note', (field, text) => { if (text) field.value = text; }, note);
      await page.type('#keep-tags', tags);
      await page.click('#keep-confirm');
      await page.waitForSelector('#keep-form[hidden]');
    }
    await page.click('#book-rows tr:nth-child(1) input[type=checkbox]');
    await page.click('#book-rows tr:nth-child(2) input[type=checkbox]');
    await page.click('#compare');
    await page.mouse.move(0, 0);
    if (width > 600) {
      await page.click('#book-rows tr:nth-child(1) [data-act=history]');
      // The screen's whole width: the tables reach into the margins beside the page's column.
      const [top, tall] = await page.$eval('#book', (book) => [book.getBoundingClientRect().top + window.scrollY, book.offsetHeight]);
      await page.screenshot({ path: file, captureBeyondViewport: true, clip: { x: 0, y: top, width, height: tall } });
    } else {
      await page.$eval('#book-compare', (box) => box.scrollIntoView());
      await page.screenshot({ path: file });
    }
    await context.close();
  }
} finally {
  await browser.close();
  server.kill();
  rmSync(profile, { recursive: true, force: true });
}
