// The browser extension loaded in Debian's headless chromium: it asks for
// nothing but its four permissions; its toolbar button opens the page as its
// popup with the paste box; a list selected on a page served from 127.0.0.1
// and sent by its menu item's handler shows the salary in the popup, read
// with the selection's line breaks, which the menu's own copy has lost.
//   node extension.mjs <unpacked extension> <chromium> <folder holding node_modules>
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { ENGLISH, launch, serve, watch } from './harness.mjs';

const [extension, chromium, npmDir] = process.argv.slice(2).map((path) => resolve(path));
const manifest = JSON.parse(readFileSync(join(extension, 'manifest.json'), 'utf8'));
assert.deepEqual([manifest.permissions, manifest.host_permissions, manifest.content_scripts, manifest.optional_permissions],
  [['contextMenus', 'activeTab', 'scripting', 'storage'], undefined, undefined, undefined]);

const folder = mkdtempSync(join(tmpdir(), 'wagecourt-player-'));
writeFileSync(join(folder, 'index.html'), '<!doctype html><title>Player</title><h1>A player</h1><div id="skills">'
  + ENGLISH.trim().split('\n').map((line) => `<p>${line}</p>`).join('') + '</div><p>Other things</p>');
const server = await serve(folder);
const browser = await launch(chromium, npmDir, { pipe: true, enableExtensions: [extension] });
const popup = async () => {
  const target = await browser.waitForTarget((t) => t.type() === 'page' && t.url().endsWith('/popup.html'));
  const page = watch(await target.asPage());
  await page.waitForSelector('body.ready');
  return page;
};
try {
  const page = watch(await browser.newPage());
  await page.goto(`${server.origin}/`);
  await page.evaluate(() => getSelection().selectAllChildren(document.getElementById('skills')));
  // Its background worker runs once the browser has installed it.
  const background = await browser.waitForTarget((t) => t.type() === 'service_worker' && t.url().endsWith('/background.js'));
  const installed = [...(await browser.extensions()).values()].find((entry) => entry.name === 'Wagecourt');

  await page.triggerExtensionAction(installed);
  const fromButton = await popup();
  assert.equal(await fromButton.$eval('#paste', (box) => box.value), '', 'the toolbar button opens the paste box');
  await fromButton.close();

  const worker = await background.worker();
  await page.bringToFront();
  const flattened = await page.evaluate(() => getSelection().toString().replace(/\s+/g, ' '));
  await worker.evaluate(async (selectionText) => {
    const [tab] = await chrome.tabs.query({ active: true, lastFocusedWindow: true });
    await showSalary({ menuItemId: MENU_ITEM, frameId: 0, selectionText }, tab);
  }, flattened);
  const fromMenu = await popup();
  await fromMenu.waitForFunction(() => document.getElementById('salary').textContent === '16 736');
  assert.deepEqual(await fromMenu.evaluate(() => [document.getElementById('position').textContent,
    document.getElementById('paste').value.split('\n').length > 9]), ['Point Guard', true], 'read with its line breaks');
  assert.equal(await worker.evaluate(() => chrome.i18n.getMessage('menuTitle')), 'Weekly salary in Wagecourt');
  console.log('the extension shows the salary of a selected list');
} finally {
  await browser.close();
  server.close();
  rmSync(folder, { recursive: true, force: true });
}
