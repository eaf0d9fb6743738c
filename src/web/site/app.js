// The page: shows what the module computes. Every salary, every import and
// every word comes from the module (wagecourt.wasm); this file only draws it
// and passes the manager's clicks and keys on.
import createWagecourt from './wagecourt.js';
import { offerLink, playerShown, recolourBook, startBook, translateBook } from './book.js';
import { drawPlan, namePlayer, planPlayer, startPlan } from './plan.js';

const STORED_LANGUAGE = 'wagecourt.language';
const STORED_CODE = 'wagecourt.language-code'; // for the words shown without the module
const STORED_SCHEME = 'wagecourt.scheme';
const SCHEMES = ['system', 'light', 'dark'];
const SALARY_SKILLS = 10;
const SKILLS = 13;
const WANTED_CONTRAST = 4.5;
// Inside the browser extension the page is its popup: no service worker, no
// install, and the text comes from the menu on a selection.
const EXTENSION = /-extension:$/.test(location.protocol);

const $ = (id) => document.getElementById(id);
// The words the page needs without its module, in every language (sitetexts.py).
const siteTexts = JSON.parse($('site-texts').textContent);

let module;
let languages = [];   // [{code, name}] in the game's list order
let language = '';    // the chosen language's name
let texts = {};       // the fixed words in that language
let levels = [...Array(SALARY_SKILLS).fill(1), 0, 0, 0]; // as the window starts
let view = null;

// One call into the module: texts in UTF-8 and numbers as they are, one
// text out (callText), for most a JSON document (call).
function callText(name, ...args) {
  const pointers = [];
  const values = args.map((arg) => {
    if (typeof arg === 'number') return arg;
    if (name.startsWith('wc_book_')) arg = arg.normalize('NFC'); // the book takes text in NFC (bookapi.cpp)
    const size = module.lengthBytesUTF8(arg) + 1;
    const pointer = module._malloc(size);
    module.stringToUTF8(arg, pointer, size);
    pointers.push(pointer);
    return pointer;
  });
  try {
    return module.UTF8ToString(module['_' + name](...values));
  } finally {
    pointers.forEach((pointer) => module._free(pointer));
  }
}

function call(name, ...args) {
  return JSON.parse(callText(name, ...args));
}

// The first of the browser's languages that the game speaks, else English.
function firstLanguage() {
  const stored = localStorage.getItem(STORED_LANGUAGE);
  if (languages.some((entry) => entry.name === stored)) return stored;
  for (const wanted of navigator.languages || [navigator.language]) {
    const code = String(wanted).slice(0, 2).toLowerCase();
    const entry = languages.find((candidate) => candidate.code === code);
    if (entry) return entry.name;
  }
  return languages[0].name;
}

function setText(id, text) {
  $(id).textContent = text;
}

function chooseLanguage(name, remember, draw = true) {
  language = name;
  texts = call('wc_texts', name);
  if (remember) {
    localStorage.setItem(STORED_LANGUAGE, name);
    localStorage.setItem(STORED_CODE, texts.code);
  }
  $('language').value = name;
  document.documentElement.lang = texts.code;
  document.title = texts.title;
  setText('title', texts.title);
  setText('language-label', texts.language_label);
  setText('paste-label', texts.paste_label);
  setText('calculate', texts.calculate);
  setText('copy', texts.copy);
  setText('share', texts.share);
  setText('scheme-label', texts.scheme_label);
  [...$('scheme').options].forEach((option, i) => { option.textContent = texts.scheme_names[i]; });
  setText('reload', siteText('newVersion'));
  setText('salary-caption', texts.salary_caption);
  $('salary').setAttribute('aria-label', texts.weekly_salary);
  $('position').setAttribute('aria-label', texts.best_position);
  $('card').setAttribute('aria-label', texts.player_card);
  setText('training-title', texts.training_title);
  setText('skill-head', texts.skill_head);
  setText('level-head', texts.level_head);
  setText('up-head', texts.up_head);
  setText('down-head', texts.down_head);
  setText('info-summary', $('info').open ? texts.hide_info : texts.show_info);
  setText('credit', texts.credit);
  setText('instructions', texts.instructions);
  $('steps').replaceChildren(...texts.steps.map((step) => {
    const item = document.createElement('li');
    item.textContent = step;
    return item;
  }));
  setText('licences', texts.licences);
  setText('privacy', texts.privacy);
  $('error').hidden = true;
  setText('status', '');
  translateBook();
  if (draw) render();
}

function levelElement(skill, index) {
  const paying = index < SALARY_SKILLS;
  const item = document.createElement('li');
  item.className = 'level';
  const caption = document.createElement('span');
  caption.className = 'caption';
  caption.textContent = skill.caption;
  const value = document.createElement(paying ? 'button' : 'span');
  value.id = `level-${index + 1}`;
  value.className = 'value';
  value.textContent = skill.level_name;
  value.style.color = readableColor(skill.color, levelBackground);
  value.setAttribute('aria-label', `${skill.label}: ${skill.level_name}`);
  value.setAttribute('aria-description', skill.tip);
  value.dataset.tip = skill.tip;
  if (paying) {
    value.type = 'button';
    value.addEventListener('click', () => step(index, skill.up));
    value.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      step(index, skill.down);
    });
    value.addEventListener('keydown', (event) => {
      if (['+', '=', 'ArrowUp', 'ArrowRight'].includes(event.key)) step(index, skill.up);
      else if (['-', '−', 'ArrowDown', 'ArrowLeft'].includes(event.key)) step(index, skill.down);
      else return;
      event.preventDefault();
    });
  } else {
    value.tabIndex = 0;
  }
  value.addEventListener('mouseenter', showTip);
  value.addEventListener('focus', showTip);
  value.addEventListener('mouseleave', hideTip);
  value.addEventListener('blur', hideTip);
  item.append(caption, value);
  if (paying) {
    const pair = document.createElement('span');
    pair.className = 'pair';
    for (const [sign, label, target] of [['−', skill.lower, skill.down], ['+', skill.raise, skill.up]]) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = sign;
      button.setAttribute('aria-label', label);
      button.tabIndex = -1; // the level itself takes + and − from the keyboard
      button.disabled = !target;
      button.addEventListener('click', () => step(index, target));
      pair.append(button);
    }
    item.append(pair);
  }
  return item;
}

let levelBackground = '#ffffff';

function render() {
  view = call('wc_view', levels.join(','), language);
  levelBackground = getComputedStyle(document.documentElement).getPropertyValue('--level-bg').trim();
  recolourBook();
  setText('salary', view.salary_text);
  setText('position', view.position_name);
  const focused = document.activeElement && document.activeElement.id;
  $('levels').replaceChildren(...view.skills.map(levelElement));
  if (focused && focused.startsWith('level-')) $(focused).focus();

  const most = Math.max(...view.chart.map((bar) => bar.salary), 1);
  setText('chart-title', view.chart_title);
  $('chart-figure').setAttribute('aria-label', view.chart_text);
  $('chart').replaceChildren(...view.chart.map((bar) => {
    const item = document.createElement('li');
    item.className = bar.best ? 'best' : '';
    const name = document.createElement('span');
    name.textContent = bar.name;
    const track = document.createElement('span');
    track.className = 'track';
    const fill = document.createElement('span');
    fill.className = 'fill';
    fill.style.width = `${(100 * bar.salary) / most}%`;
    track.append(fill);
    const amount = document.createElement('span');
    amount.className = 'amount';
    amount.textContent = bar.salary_text;
    item.append(name, track, amount);
    return item;
  }));

  $('training-rows').replaceChildren(...view.skills.slice(0, SALARY_SKILLS).map((skill) => {
    const row = document.createElement('tr');
    const head = document.createElement('th');
    head.scope = 'row';
    head.textContent = skill.name;
    row.append(head);
    for (const text of [skill.level_name, skill.up ? skill.up.text : '—', skill.down ? skill.down.text : '—']) {
      const cell = document.createElement('td');
      cell.textContent = text;
      row.append(cell);
    }
    return row;
  }));
  drawPlan();
}

function step(index, target) {
  if (!target) return;
  levels[index] = target.level;
  render();
  const shown = $(`level-${index + 1}`);
  if (!$('tip').hidden) showTip({ currentTarget: shown });
}

function showTip(event) {
  const target = event.currentTarget;
  const tip = $('tip');
  tip.textContent = target.dataset.tip;
  tip.hidden = false;
  const box = target.getBoundingClientRect();
  const width = tip.offsetWidth;
  const left = Math.max(4, Math.min(box.left + window.scrollX, window.scrollX + document.documentElement.clientWidth - width - 4));
  tip.style.left = `${left}px`;
  tip.style.top = `${box.bottom + window.scrollY + 4}px`;
}

function hideTip() {
  $('tip').hidden = true;
}

// A player from the book, shown as after a paste, with his forecast.
function show(shown, name) {
  levels = [...shown];
  playerShown();
  planPlayer(name);
  render();
  $('card').scrollIntoView({ block: 'nearest' });
  $('level-1').focus();
}

// A link to players opened by Calculate is offered to the book instead; a
// link that does not read says why.
function calculate() {
  const link = offerLink($('paste').value);
  if (link !== null) {
    setText('error', link);
    $('error').hidden = !link;
    return !link;
  }
  const read = call('wc_read', $('paste').value, language);
  if (!read.accepted) {
    setText('error', read.error);
    $('error').hidden = false;
    return false;
  }
  $('error').hidden = true;
  levels = read.levels;
  playerShown();
  planPlayer();
  if (read.language !== language) chooseLanguage(read.language, true);
  else render();
  return true;
}

async function copyText(text, statusId = 'status') {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // Without the clipboard interface (an insecure origin, an older browser).
    const scratch = document.createElement('textarea');
    scratch.value = text;
    document.body.append(scratch);
    scratch.select();
    document.execCommand('copy');
    scratch.remove();
  }
  setText(statusId, texts.copied);
}

async function share() {
  try {
    await navigator.share({ title: texts.title, text: view.copy });
  } catch {
    // Cancelled in the share sheet, or nothing to share to: nothing to say.
  }
}

// The game's level colours are drawn for the window's light card. On the page
// each keeps its hue and saturation and takes as little change of lightness,
// away from its card's, as it needs to stand WANTED_CONTRAST to 1 against it,
// in either scheme (the contrast of the Web Content Accessibility Guidelines).
function channels(hex) {
  const value = parseInt(hex.replace('#', ''), 16);
  return [value >> 16 & 255, value >> 8 & 255, value & 255];
}

function luminance(rgb) {
  const [r, g, b] = rgb.map((c) => (c /= 255) <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4);
  return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

function contrast(a, b) {
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
}

function withLightness(rgb, lightness) {
  const [r, g, b] = rgb.map((c) => c / 255);
  const max = Math.max(r, g, b);
  const min = Math.min(r, g, b);
  const l = (max + min) / 2;
  const s = max === min ? 0 : (max - min) / (1 - Math.abs(2 * l - 1));
  let h = 0;
  if (max !== min) {
    if (max === r) h = ((g - b) / (max - min) + 6) % 6;
    else if (max === g) h = (b - r) / (max - min) + 2;
    else h = (r - g) / (max - min) + 4;
  }
  const chroma = (1 - Math.abs(2 * lightness - 1)) * s;
  const x = chroma * (1 - Math.abs((h % 2) - 1));
  const m = lightness - chroma / 2;
  const [r1, g1, b1] = [[chroma, x, 0], [x, chroma, 0], [0, chroma, x], [0, x, chroma], [x, 0, chroma], [chroma, 0, x]][Math.floor(h) % 6];
  return [r1, g1, b1].map((c) => Math.round((c + m) * 255));
}

function readableColor(hex, backgroundHex) {
  const rgb = channels(hex);
  const background = channels(backgroundHex);
  if (contrast(rgb, background) >= WANTED_CONTRAST) return hex;
  const [r, g, b] = rgb.map((c) => c / 255);
  let near = (Math.max(r, g, b) + Math.min(r, g, b)) / 2;
  // Towards black on a light card, towards white on a dark one; both ends stand far more than enough.
  let far = luminance(background) > 0.18 ? 0 : 1;
  for (let step = 0; step < 24; ++step) {
    const middle = (near + far) / 2;
    if (contrast(withLightness(rgb, middle), background) >= WANTED_CONTRAST) far = middle;
    else near = middle;
  }
  return `rgb(${withLightness(rgb, far).join(', ')})`;
}

// Light, dark, or as the device is set; the choice is kept like the language.
function applyScheme(choice) {
  if (choice === 'light' || choice === 'dark') document.documentElement.dataset.scheme = choice;
  else delete document.documentElement.dataset.scheme;
  $('scheme').value = SCHEMES.includes(choice) ? choice : 'system';
  if (view) render();
}

// The language of the page's own words (sitetexts.py): the chosen one, else
// the browser's when the page has it, else English.
function siteLanguage() {
  const wanted = [texts.code, localStorage.getItem(STORED_CODE),
    ...(navigator.languages || [navigator.language]).map((code) => String(code).slice(0, 2).toLowerCase())];
  return wanted.find((code) => code && siteTexts[code]) || 'en';
}

function siteText(key) {
  return siteTexts[siteLanguage()][key];
}

function showLoadFailure() {
  document.documentElement.lang = siteLanguage();
  setText('error', siteText('loadFailed'));
  $('error').hidden = false;
}

// A text shared to the installed page (its share target) or linked as
// ?text=...; the query leaves the address, so a reload or a bookmark does not
// bring the text back.
function sharedText() {
  const query = new URLSearchParams(location.search);
  const shared = { text: query.get('text') || '', title: query.get('title') || '' };
  if (!shared.text && !shared.title) return null;
  history.replaceState(null, '', location.pathname + location.hash);
  return shared;
}

// A link to players opened as the page's address (#book=...): handed to the
// book whole, and taken out of the address, so that a reload or a bookmark
// does not offer it again.
function linkedText() {
  if (!location.hash.startsWith('#book=')) return '';
  const link = location.href;
  history.replaceState(null, '', location.pathname + location.search);
  return link;
}

function openLinked(link) {
  const error = offerLink(link);
  setText('error', error || '');
  $('error').hidden = !error;
}

// Calculated at once. Some apps put the list in the title, or a title before
// it in the text. The page was not drawn yet, to be drawn only once.
function calculateShared({ text, title }) {
  $('paste').value = text || title;
  let accepted = calculate();
  if (!accepted && text && title) {
    $('paste').value = `${title}\n${text}`;
    accepted = calculate();
  }
  if (!accepted) render();
  performance.mark('shared'); // for bench/web.mjs
}

// A new version is installed by the service worker but waits: an open page
// keeps the files it started with, and offers the new ones.
async function watchForNewVersion() {
  const registration = await navigator.serviceWorker.register('sw.js');
  let accepted = false;
  const offer = (worker) => {
    if (!worker || !navigator.serviceWorker.controller) return; // the first install has nothing to replace
    $('reload').onclick = () => {
      accepted = true;
      worker.postMessage('activate');
    };
    $('update').hidden = false;
  };
  offer(registration.waiting);
  registration.addEventListener('updatefound', () => {
    const worker = registration.installing;
    worker.addEventListener('statechange', () => {
      if (worker.state === 'installed') offer(worker);
    });
  });
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (accepted) location.reload();
  });
  // An installed app stays open for days: look again whenever it is shown.
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible') registration.update().catch(() => {});
  });
}

// The extension's menu on a selection leaves the text in the session's
// storage, for the popup to calculate when it opens or while it is open.
async function takeSelection() {
  const { selection } = await chrome.storage.session.get('selection');
  if (typeof selection !== 'string') return;
  await chrome.storage.session.remove('selection');
  $('paste').value = selection;
  calculate();
}

function listen() {
  $('language').addEventListener('change', (event) => chooseLanguage(event.target.value, true));
  $('scheme').addEventListener('change', (event) => {
    localStorage.setItem(STORED_SCHEME, event.target.value);
    applyScheme(event.target.value);
  });
  matchMedia('(prefers-color-scheme: dark)').addEventListener('change', () => view && render());
  $('calculate').addEventListener('click', calculate);
  $('copy').addEventListener('click', () => copyText(view.copy));
  $('share').addEventListener('click', share);
  $('paste').addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && (event.ctrlKey || event.metaKey)) {
      event.preventDefault();
      calculate();
    }
  });
  // A paste into an empty box calculates at once, as Ctrl+V does in the window.
  $('paste').addEventListener('paste', () => {
    if ($('paste').value === '') setTimeout(calculate, 0);
  });
  $('info').addEventListener('toggle', () =>
    setText('info-summary', $('info').open ? texts.hide_info : texts.show_info));
  // A link opened while the page is open (a tap on it in the same tab).
  window.addEventListener('hashchange', () => {
    const link = linkedText();
    if (link) openLinked(link);
  });
}

async function start() {
  applyScheme(localStorage.getItem(STORED_SCHEME));
  try {
    module = await createWagecourt();
  } catch {
    showLoadFailure();
    return;
  }
  languages = call('wc_languages');
  $('language').replaceChildren(...languages.map((entry) => new Option(entry.name, entry.name)));
  listen();
  const shared = sharedText();
  const linked = linkedText();
  const lent = {
    call, callText, copyText, show, readableColor, named: namePlayer, extension: EXTENSION,
    language: () => language, levels: () => levels, texts: () => texts, levelBackground: () => levelBackground,
  };
  startPlan(lent);
  chooseLanguage(firstLanguage(), false, !shared);
  // The book's words and buttons now; its records are read after the first result.
  startBook(lent);
  if (shared) calculateShared(shared);
  for (const id of ['language', 'calculate', 'copy']) $(id).disabled = false;
  $('share').hidden = !navigator.share;
  document.body.classList.add('ready');
  performance.mark('usable'); // for bench/web.mjs
  if (linked) openLinked(linked);
  // After the first result: the worker's download of the whole site would slow the page's own.
  if (!EXTENSION && 'serviceWorker' in navigator) watchForNewVersion().catch(() => {});
  if (EXTENSION) {
    chrome.storage.onChanged.addListener((changes, area) => {
      if (area === 'session' && typeof (changes.selection || {}).newValue === 'string') takeSelection();
    });
    takeSelection();
  }
}

start();
