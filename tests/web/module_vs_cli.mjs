// The web module answers every case of one generated table exactly as the
// Linux wagecourt-cli does with --json, byte for byte: imports in all eight
// languages (accepted, refused at the check, refused at a level, read in any
// language, on one line inside a page), calc and advise.
//   node --no-experimental-fetch module_vs_cli.mjs <wagecourt.js> <wagecourt-cli>
import { spawnSync } from 'node:child_process';
import { accessSync, constants } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [glue, cli] = process.argv.slice(2).map((path) => resolve(path));
try {
  accessSync(cli, constants.X_OK);
} catch {
  console.error(`${cli}, the Linux wagecourt-cli to compare with, is missing: build the release preset first`);
  process.exit(1);
}
// The loader is an ES module for the browser; under node it reaches for
// CommonJS's require and __dirname.
globalThis.require = createRequire(glue);
globalThis.__dirname = dirname(glue);
const module = await (await import(pathToFileURL(glue))).default({ locateFile: (file) => join(dirname(glue), file) });
const call = (name, ...args) => {
  const pointers = args.map((text) => {
    const size = module.lengthBytesUTF8(text) + 1;
    const pointer = module._malloc(size);
    module.stringToUTF8(text, pointer, size);
    return pointer;
  });
  const answer = module.UTF8ToString(module['_' + name](...pointers));
  pointers.forEach((pointer) => module._free(pointer));
  return answer;
};

let seed = 20261208;
const random = (n) => {
  seed = (seed * 1103515245 + 12345) % 2147483648;
  return seed % n;
};
const levelsOf = () => Array.from({ length: 13 }, () => 1 + random(20));

const languages = JSON.parse(call('wc_languages'));
const cases = [];
for (const { name } of languages) {
  const catalogue = JSON.parse(call('wc_catalogue', name));
  const list = (levels, lines, shape) => levels.slice(0, lines)
    .map((level, k) => `${catalogue.captions[k]} ${shape(catalogue.level_names[level - 1])}`).join('\n') + '\n';
  for (let i = 0; i < 6; ++i) {
    const levels = levelsOf();
    const full = list(levels, 13, (text) => text);
    const shouted = list(levels, 10 + random(4), (text) => text.toLocaleUpperCase(i % 2 ? 'tr' : 'en'));
    const broken = full.replace(catalogue.level_names[levels[3] - 1], 'x');
    const page = `Player: Ann Lee\nAge: 24\n${full.replaceAll('\n', ' ')}\nWage: 12 345\n`;
    for (const text of [full, shouted, broken, `  ${full}\r\n`, full.slice(0, 40), page]) {
      cases.push({ stdin: text, args: ['import', '--lang', name], call: ['wc_import', text, name] });
      cases.push({ stdin: text, args: ['import', '--lang', 'auto'], call: ['wc_import', text, 'auto'] });
    }
    const ten = levels.slice(0, 10);
    cases.push({ args: ['calc', ...ten, '--lang', name], call: ['wc_calc', ten.join(','), name] });
    cases.push({ args: ['advise', ...ten, '--lang', name], call: ['wc_advise', ten.join(','), name] });
  }
}
for (const text of ['', 'Hello: world', ':'.repeat(11), 'Jump Shot: legendary\n'.repeat(14)])
  cases.push({ stdin: text, args: ['import', '--lang', 'auto'], call: ['wc_import', text, 'auto'] });

let failures = 0;
for (const { stdin, args, call: [name, ...callArgs] } of cases) {
  const run = spawnSync(cli, ['--json', ...args.map(String)],
    { input: stdin ?? '', encoding: 'utf8', env: { ...process.env, LANG: 'C.UTF-8' } });
  if (run.error || run.signal) {
    console.error(`${cli} did not run: ${run.error ?? run.signal}`);
    process.exit(1);
  }
  const expected = run.stdout;
  const got = call(name, ...callArgs);
  if (got !== expected && ++failures <= 5)
    console.error(`wagecourt-cli ${args.join(' ')}\n  cli:    ${expected}  module: ${got}`);
}
console.log(`${cases.length - failures} of ${cases.length} cases identical to ${cli}`);
process.exit(failures ? 1 : 0);
