// The page: shows what the module computes. Every salary, every import and
// every word comes from the module (wagecourt.wasm); this file only draws it
// and passes the manager's clicks and keys on.
import createWagecourt from './wagecourt.js';

const STORED_LANGUAGE = 'wagecourt.language';
const SALARY_SKILLS = 10;
const SKILLS = 13;

const $ = (id) => document.getElementById(id);

let module;
let languages = [];   // [{code, name}] in the game's list order
let language = '';    // the chosen language's name
let texts = {};       // the fixed words in that language
let levels = [...Array(SALARY_SKILLS).fill(1), 0, 0, 0]; // as the window starts
let view = null;

// One call into the module: UTF-8 in, one JSON document out.
function call(name, ...args) {
  const pointers = args.map((text) => {
    const size = module.lengthBytesUTF8(text) + 1;
    const pointer = module._malloc(size);
    module.stringToUTF8(text, pointer, size);
    return pointer;
  });
  try {
    return JSON.parse(module.UTF8ToString(module['_' + name](...pointers)));
  } finally {
    pointers.forEach((pointer) => module._free(pointer));
  }
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

function chooseLanguage(name, remember) {
  language = name;
  if (remember) localStorage.setItem(STORED_LANGUAGE, name);
  texts = call('wc_texts', name);
  $('language').value = name;
  document.documentElement.lang = texts.code;
  document.title = texts.title;
  setText('title', texts.title);
  setText('language-label', texts.language_label);
  setText('paste-label', texts.paste_label);
  setText('calculate', texts.calculate);
  setText('copy', texts.copy);
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
  render();
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
  value.style.color = skill.color;
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

function render() {
  view = call('wc_view', levels.join(','), language);
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

function calculate() {
  const read = call('wc_read', $('paste').value, language);
  if (!read.accepted) {
    setText('error', read.error);
    $('error').hidden = false;
    return;
  }
  $('error').hidden = true;
  levels = read.levels;
  if (read.language !== language) chooseLanguage(read.language, true);
  else render();
}

async function copy() {
  const text = view.copy;
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
  setText('status', texts.copied);
}

async function start() {
  module = await createWagecourt();
  languages = call('wc_languages');
  $('language').replaceChildren(...languages.map((entry) => new Option(entry.name, entry.name)));
  $('language').addEventListener('change', (event) => chooseLanguage(event.target.value, true));
  $('calculate').addEventListener('click', calculate);
  $('copy').addEventListener('click', copy);
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
  chooseLanguage(firstLanguage(), false);
  for (const id of ['language', 'calculate', 'copy']) $(id).disabled = false;
  document.body.classList.add('ready');
  performance.mark('usable'); // for bench/web.mjs
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

start();
