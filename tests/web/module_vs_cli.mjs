// The web module answers every case of one generated table exactly as the
// Linux wagecourt-cli does with --json, byte for byte: imports in all eight
// languages (accepted, refused at the check, refused at a level, read in any
// language, on one line inside a page), calc and advise. The page's own
// module, which holds only the translations its code can show, answers what
// the page asks in every language as the checks' module, which holds them
// all, does.
//   node --no-experimental-fetch module_vs_cli.mjs <wagecourt-checks.js> <wagecourt-cli> <wagecourt.js>
import { spawnSync } from 'node:child_process';
import { accessSync, constants } from 'node:fs';
import { resolve } from 'node:path';
import { loadModule } from './harness.mjs';

const [glue, cli, pageGlue] = process.argv.slice(2).map((path) => resolve(path));
try {
  accessSync(cli, constants.X_OK);
} catch {
  console.error(`${cli}, the Linux wagecourt-cli to compare with, is missing: build the release preset first`);
  process.exit(1);
}
const call = await loadModule(glue);
const pageCall = await loadModule(pageGlue);

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

// What the page asks, in the order it asks it: its words, a player, his plan,
// a refusal, a book with a history, a forecast, a bad import and a bad link.
const pageCases = languages.flatMap(({ name }) => [
  ['wc_texts', name],
  ['wc_view', '8,7,9,10,8,11,3,3,5,2,12,12,12', name],
  ['wc_plan', '8,7,9,10,8,11,3,3,5,2,12,12,12', name, 'IS=12,RB=10', '20000', '3', '', '17000'],
  ['wc_read', 'Hello: world', name],
  ['wc_book_load', '[]'],
  ['wc_book_keep', 'Ann Lee', '', 'scout', '8,7,9,10,8,11,3,3,5,2,12,12,12', name, '2026-01-01'],
  ['wc_book_keep', 'Ann Lee', 'a note', '', '9,7,9,10,8,12,3,3,5,2,12,12,12', name, '2026-02-01'],
  ['wc_book_list', 'name', name, 0, 50, ''],
  ['wc_book_history', 'Ann Lee', name],
  ['wc_book_compare', '["Ann Lee"]', name],
  ['wc_book_forecast', 'Ann Lee', name, 8],
  ['wc_book_import', 'book.csv', 'name;levels\nAnn Lee;x\n', 20],
  ['wc_link_read', 'wagecourt:book?v9.broken'],
  ['wc_book_remove', 'Ann Lee'],
]);
let pageFailures = 0;
for (const [name, ...args] of pageCases) {
  const expected = call(name, ...args);
  const got = pageCall(name, ...args);
  if (got !== expected && ++pageFailures <= 5) {
    let at = 0;
    while (got[at] === expected[at]) ++at;
    const near = (text) => text.slice(Math.max(0, at - 60), at + 60);
    console.error(`${name}(${args.join(', ')}), from character ${at}\n  checks' module: …${near(expected)}…\n`
      + `  page's module:  …${near(got)}…`);
  }
}
console.log(`${pageCases.length - pageFailures} of ${pageCases.length} page calls identical in the page's module`);
process.exit(failures || pageFailures ? 1 : 0);
