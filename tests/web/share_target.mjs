// A text shared to the installed page, as a share sheet sends it to the
// manifest's share target (a GET with the text and the title), or linked as
// ?text=...: on a first visit it fills the box and is calculated on load, and
// the query leaves the address.
//   node share_target.mjs <site> <chromium> <folder holding node_modules>
import assert from 'node:assert/strict';
import { ENGLISH, launch, serve, watch } from './harness.mjs';

const [site, chromium, npmDir] = process.argv.slice(2);
const server = await serve(site);
const browser = await launch(chromium, npmDir);
const CASES = [ // what is shared, the salary shown, or null where it is refused and the error shown
  [{ text: ENGLISH }, '16 736'],
  [{ text: ENGLISH.replaceAll('\n', '\r\n') }, '16 736'],
  [{ title: 'Player page', text: ENGLISH }, '16 736'],
  [{ title: ENGLISH }, '16 736'],
  [{ text: 'Hello: world' }, null],
];
try {
  const page = watch(await browser.newPage());
  await page.goto(`${server.origin}/`);
  const { action, method, params } = (await page.evaluate(async () => (await fetch('manifest.webmanifest')).json())).share_target;
  assert.deepEqual([method, params], ['GET', { title: 'title', text: 'text' }]);
  for (const [shared, salary] of CASES) {
    const context = await browser.createBrowserContext();
    const visit = watch(await context.newPage());
    const url = new URL(action, `${server.origin}/`);
    for (const [name, value] of Object.entries(shared)) url.searchParams.set(params[name], value);
    await visit.goto(url.href);
    await visit.waitForSelector('body.ready');
    const shown = await visit.evaluate(() => [document.getElementById('error').hidden ? document.getElementById('salary').textContent
      : null, document.getElementById('paste').value.includes('Jump Shot: strong\nJump') || null, location.search]);
    assert.deepEqual(shown, [salary, salary && true, ''], JSON.stringify(shared).slice(0, 40));
    await context.close();
  }
  console.log('a shared text is calculated on load');
} finally {
  await browser.close();
  server.close();
}
