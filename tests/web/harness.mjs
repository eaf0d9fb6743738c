// What the browser tests share: a static server for a folder on 127.0.0.1,
// and Debian's chromium, headless, in a profile of its own that goes with it;
// and the page's module loaded under node, for the tests and benchmarks that
// call it without a page.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

export const ENGLISH = 'Jump Shot: strong\nJump Range: respectable\nOutside Def.: proficient\nHandling: prominent\n'
  + 'Driving: strong\nPassing: prolific\nInside Shot: awful\nInside Def.: awful\nRebounding: mediocre\n'
  + 'Shot Blocking: pitiful\n';

export async function serve(folder) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', folder],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  const origin = await new Promise((done, fail) => {
    server.stdout.on('data', (data) => {
      const port = /port (\d+)/.exec(String(data));
      if (port) done(`http://127.0.0.1:${port[1]}`);
    });
    server.on('exit', () => fail(new Error('the web server did not start')));
  });
  return { origin, close: () => server.kill() };
}

export async function launch(chromium, npmDir, options = {}) {
  const puppeteer = createRequire(resolve(npmDir, 'package.json'))('puppeteer-core');
  const profile = mkdtempSync(join(tmpdir(), 'wagecourt-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromium, headless: true, userDataDir: profile, ...options,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

export function watch(page) {
  page.on('pageerror', (error) => console.error(`page: ${error.message}`));
  page.on('console', (message) => console.error(`console: ${message.text()}`));
  return page;
}

// The module of a loader (wagecourt.js), and a function that calls one of its
// exports with strings and numbers and gives its answer as a string.
export async function loadModule(glue) {
  // The loader is an ES module for the browser; under node it reaches for
  // CommonJS's require and __dirname, and reads the module's file unless it
  // finds fetch, which takes no path.
  globalThis.require = createRequire(glue);
  globalThis.__dirname = dirname(glue);
  const { fetch } = globalThis;
  delete globalThis.fetch;
  const module = await (await import(pathToFileURL(glue))).default({ locateFile: (file) => join(dirname(glue), file) })
    .finally(() => { if (fetch) globalThis.fetch = fetch; });
  return (name, ...args) => {
    const pointers = [];
    const values = args.map((value) => {
      if (typeof value === 'number') return value;
      const size = module.lengthBytesUTF8(value) + 1;
      pointers.push(module._malloc(size));
      module.stringToUTF8(value, pointers.at(-1), size);
      return pointers.at(-1);
    });
    const answer = module.UTF8ToString(module['_' + name](...values));
    pointers.forEach((pointer) => module._free(pointer));
    return answer;
  };
}
