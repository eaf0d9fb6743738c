// The player book on the page. The browser's IndexedDB keeps the snapshots,
// one record each ({name, date, note, language, levels}); the module holds the
// book made of them and answers every salary, change, comparison and word
// shown here. This file keeps and fetches records and draws what the module
// answers, nothing else.

const DATABASE = 'wagecourt-book';
// The schema's version; upgrade() takes an older database up to it, step by step.
const SCHEMA_VERSION = 1;
const SNAPSHOTS = 'snapshots';
const SALARY_SKILLS = 10;
const SCREEN_ROWS = 100; // fetched and drawn at a time: the first, then more as the list is scrolled on

const $ = (id) => document.getElementById(id);

let page;          // what app.js lends: call, callText, language, levels, show, copyText, readableColor
let database = null;
let sort = 'name';
let rows = [];     // the module's rows fetched so far, in the order shown
let total = 0;     // how many players the list holds
let names = null;  // every player's name, fetched when a keep asks
let watcher = null; // the observer of the list's end, which fetches more
let ticked = [];   // names ticked for a comparison, in the order ticked
let headings = []; // the ten salary skills' headings
let levelColors = []; // the game's, as the module gives them
let paintedOn = '';   // the background they were last made readable on

function upgrade(db, oldVersion) {
  if (oldVersion < 1) {
    const store = db.createObjectStore(SNAPSHOTS, { autoIncrement: true });
    store.createIndex('name', 'name');
  }
}

function request(operation) {
  return new Promise((done, fail) => {
    operation.onsuccess = () => done(operation.result);
    operation.onerror = () => fail(operation.error);
  });
}

function openDatabase() {
  return new Promise((done, fail) => {
    const opening = indexedDB.open(DATABASE, SCHEMA_VERSION);
    opening.onupgradeneeded = (event) => upgrade(opening.result, event.oldVersion);
    opening.onsuccess = () => {
      const db = opening.result;
      db.onversionchange = () => db.close(); // a newer page upgrades it
      done(db);
    };
    opening.onerror = () => fail(opening.error);
    opening.onblocked = () => fail(new Error('blocked'));
  });
}

// One change, one transaction: all of it is stored, or nothing.
function change(work) {
  return new Promise((done, fail) => {
    const transaction = database.transaction(SNAPSHOTS, 'readwrite');
    work(transaction.objectStore(SNAPSHOTS));
    transaction.oncomplete = () => done();
    transaction.onerror = () => fail(transaction.error);
    transaction.onabort = () => fail(transaction.error);
  });
}

function store(records) {
  return records.length ? change((snapshots) => records.forEach((record) => snapshots.add(record))) : Promise.resolve();
}

async function removeRecords(name) {
  const keys = await request(database.transaction(SNAPSHOTS).objectStore(SNAPSHOTS).index('name')
    .getAllKeys(IDBKeyRange.only(name)));
  await change((snapshots) => keys.forEach((key) => snapshots.delete(key)));
}

function today() {
  const now = new Date();
  return [now.getFullYear(), now.getMonth() + 1, now.getDate()].map((n) => String(n).padStart(2, '0')).join('-');
}

function say(text, errors = []) {
  $('book-status').textContent = text;
  $('book-errors').replaceChildren(...errors.map((error) => {
    const item = document.createElement('li');
    item.textContent = error;
    return item;
  }));
}

function escape(text) {
  return String(text).replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
}

// --- Keeping the player shown.

function openKeep() {
  const form = $('keep-form');
  form.hidden = false;
  knownNames();
  $('keep-name').focus();
  $('keep-name').select();
  hint();
}

// The names in the book, for the keep's suggestions and its hint; fetched
// when first wanted after a change.
function knownNames() {
  if (!names) {
    names = new Set(page.call('wc_book_names').names);
    $('book-names').replaceChildren(...[...names].map((name) => new Option(name)));
  }
  return names;
}

function hint() {
  $('keep-hint').hidden = !knownNames().has($('keep-name').value.trim().normalize('NFC'));
}

async function keep(event) {
  event.preventDefault();
  performance.mark('keep'); // for bench/web_book.mjs
  const kept = page.call('wc_book_keep', $('keep-name').value, $('keep-note').value, page.levels().join(','),
    page.language(), today());
  performance.mark('keep-answered');
  if (!kept.kept) {
    say(kept.error);
    $('keep-name').focus();
    return;
  }
  try {
    if (kept.record) await store([kept.record]);
  } catch (error) {
    say(String(error));
    return;
  }
  performance.mark('kept');
  $('keep-form').hidden = true;
  $('keep-note').value = '';
  say(kept.status);
  $('keep').focus();
  list();
}

// --- The list: a table on wide screens, cards on a phone (style.css).

function headCell(key) {
  if (!key) return '<td></td>';
  const label = page.texts().book[key];
  const sorted = sort.replace('-', '') === key;
  const order = sorted ? (sort.startsWith('-') ? 'descending' : 'ascending') : 'none';
  return `<th scope="col" aria-sort="${order}"><button type="button" data-sort="${key}">${escape(label)}</button></th>`;
}

function rowHtml(row, index) {
  const book = page.texts().book;
  const levels = row.levels.slice(0, SALARY_SKILLS).map((level, k) =>
    `<td class="lv l${level}" data-label="${escape(headings[k])}">${level}</td>`).join('');
  const name = escape(row.name);
  return `<tr data-index="${index}"><td class="tick"><input type="checkbox" aria-label="${name}"${ticked.includes(row.name) ? ' checked' : ''}></td>`
    + `<th scope="row" class="name">${name}${row.note ? `<small>${escape(row.note)}</small>` : ''}</th>${levels}`
    + `<td data-label="${escape(book.salary)}" class="num">${escape(row.salary_text)}</td>`
    + `<td data-label="${escape(book.position)}">${escape(row.position_name)}</td>`
    + `<td data-label="${escape(book.change)}" class="num">${escape(row.change_text)}</td>`
    + `<td data-label="${escape(book.date)}" class="date">${row.date}</td>`
    + `<td class="row-actions"><button type="button" data-act="show">${escape(book.show)}</button>`
    + `<button type="button" data-act="history">${escape(book.history)}</button>`
    + `<button type="button" data-act="delete">${escape(book.delete)}</button></td></tr>`;
}

// Draws the rows fetched from the place from on, and keeps an eye on the
// list's end, to fetch the next screenful when it comes into sight.
function drawRows(from) {
  const body = $('book-rows');
  body.insertAdjacentHTML('beforeend', rows.slice(from).map((row, i) => rowHtml(row, from + i)).join(''));
  performance.mark('book-drawn'); // for bench/web_book.mjs
  watcher.disconnect();
  if (rows.length < total) watcher.observe(body.lastElementChild);
}

function fetchRows(from) {
  return page.call('wc_book_list', sort, page.language(), from, SCREEN_ROWS);
}

function more(entries) {
  if (!entries.some((entry) => entry.isIntersecting)) return;
  const from = rows.length;
  rows.push(...fetchRows(from).rows);
  drawRows(from);
}

function list() {
  performance.mark('book-list');
  const answer = fetchRows(0);
  rows = answer.rows;
  total = answer.total;
  headings = answer.skill_headings;
  names = null;
  const book = page.texts().book;
  const table = $('book-table');
  levelColors = answer.level_colors;
  paintedOn = '';
  recolourBook();
  $('book-head').innerHTML = `<tr>${headCell('')}${headCell('name')}`
    + headings.map((heading) => `<th scope="col" class="lv">${escape(heading)}</th>`).join('')
    + `${headCell('salary')}${headCell('position')}${headCell('change')}${headCell('date')}<td></td></tr>`;
  $('book-rows').replaceChildren();
  $('book-count').textContent = total ? answer.count_text : answer.empty_text;
  table.hidden = !total;
  for (const id of ['compare', 'book-export', 'book-copy']) $(id).disabled = !total;
  drawRows(0);
}

function sortBy(key) {
  sort = sort === key ? `-${key}` : key;
  list();
  $('book-head').querySelector(`[data-sort="${key}"]`).focus();
}

async function rowAction(act, row) {
  if (act === 'show') {
    page.show(row.levels);
  } else if (act === 'history') {
    const history = page.call('wc_book_history', row.name, page.language());
    drawTable('book-history', history.title,
      ['date', 'salary', 'position', 'change'].map((key) => page.texts().book[key]).concat(headings),
      history.rows.map((seen) => [seen.date, seen.salary_text, seen.position_name, seen.change_text,
        ...seen.levels.slice(0, SALARY_SKILLS)]));
  } else if (act === 'delete') {
    const removed = page.call('wc_book_remove', row.name);
    if (!removed.removed) return;
    await removeRecords(row.name);
    ticked = ticked.filter((name) => name !== row.name);
    $('book-undo').hidden = false;
    say(removed.status);
    list();
    $('book-undo').focus();
  }
}

async function undo() {
  const restored = page.call('wc_book_restore');
  $('book-undo').hidden = true;
  if (!restored.restored) return;
  await store(restored.records);
  say('');
  list();
}

// A titled table of text: a row of heads, then rows whose first cell heads them.
function drawTable(id, title, heads, cells) {
  const table = $(id);
  table.hidden = false;
  table.querySelector('caption').textContent = title;
  table.querySelector('thead').innerHTML = `<tr>${heads.map((head) =>
    (head ? `<th scope="col">${escape(head)}</th>` : '<td></td>')).join('')}</tr>`;
  table.querySelector('tbody').innerHTML = cells.map((line) => `<tr><th scope="row">${escape(line[0])}</th>`
    + line.slice(1).map((cell) => `<td>${escape(cell)}</td>`).join('') + '</tr>').join('');
  table.scrollIntoView({ block: 'nearest' });
}

function compare() {
  const compared = page.call('wc_book_compare', JSON.stringify(ticked), page.language());
  if (compared.error) {
    say(compared.error);
    return;
  }
  say('');
  drawTable('book-compare', compared.title, [''].concat(compared.names),
    compared.headings.map((heading, row) => [heading, ...compared.columns.map((column) => column[row])]));
}

// --- Export, import and copy.

function exportBook() {
  const form = $('book-form').value;
  const text = page.callText('wc_book_export', form);
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: form === 'csv' ? 'text/csv' : 'application/x-ndjson' }));
  link.download = `wagecourt-book-${today()}.${form}`;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

async function importBook() {
  const file = $('book-import').files[0];
  if (!file) return;
  $('book-import').value = '';
  const largest = page.texts().book.largest_file;
  const text = file.size > largest ? '' : await file.text();
  const read = page.call('wc_book_import', file.name, text, file.size);
  try {
    await store(read.records);
  } catch (error) {
    say(String(error));
    return;
  }
  say(read.message, read.errors);
  list();
}

function listen() {
  watcher = new IntersectionObserver(more, { rootMargin: '400px' });
  $('keep').addEventListener('click', openKeep);
  $('keep-form').addEventListener('submit', keep);
  $('keep-name').addEventListener('input', hint);
  $('keep-form').addEventListener('keydown', (event) => {
    if (event.key === 'Escape') {
      $('keep-form').hidden = true;
      $('keep').focus();
    }
  });
  $('book-head').addEventListener('click', (event) => {
    const button = event.target.closest('[data-sort]');
    if (button) sortBy(button.dataset.sort);
  });
  $('book-rows').addEventListener('click', (event) => {
    const line = event.target.closest('tr');
    if (!line) return;
    const row = rows[Number(line.dataset.index)];
    if (event.target.type === 'checkbox') {
      ticked = ticked.filter((name) => name !== row.name);
      if (event.target.checked) ticked.push(row.name);
    } else if (event.target.dataset.act) {
      rowAction(event.target.dataset.act, row);
    }
  });
  $('compare').addEventListener('click', compare);
  $('book-export').addEventListener('click', exportBook);
  $('book-import').addEventListener('change', importBook);
  $('book-copy').addEventListener('click', () => page.copyText(page.callText('wc_book_table', sort, page.language()), 'book-status'));
  $('book-undo').addEventListener('click', undo);
  for (const id of ['book-history', 'book-compare']) {
    $(id).querySelector('.close').addEventListener('click', () => { $(id).hidden = true; });
  }
}

// The game's level colours, readable on this scheme's card; again whenever
// the scheme changes (app.js asks on every drawing of the card).
export function recolourBook() {
  const background = page && page.levelBackground();
  if (!background || background === paintedOn) return;
  paintedOn = background;
  const table = $('book-table');
  levelColors.forEach((color, i) => table.style.setProperty(`--l${i + 1}`, page.readableColor(color, background)));
}

// The words in the page's language, and the list drawn again in it.
export function translateBook() {
  if (!page) return;
  const book = page.texts().book;
  $('keep').textContent = book.keep_in_book;
  $('book-title').textContent = book.player_book;
  $('keep-name-label').textContent = book.player_name;
  $('keep-note-label').textContent = book.note_optional;
  $('keep-confirm').textContent = book.keep;
  $('keep-hint').textContent = book.adds_snapshot;
  $('compare').textContent = book.compare;
  $('compare-hint').textContent = book.tick_to_compare;
  $('book-export').textContent = book.export;
  $('book-import-label').textContent = book.import;
  $('book-copy').textContent = book.copy_table;
  $('book-undo').textContent = book.undo;
  document.querySelectorAll('#book .close').forEach((button) => { button.textContent = book.close; });
  for (const id of ['book-history', 'book-compare']) $(id).hidden = true;
  if (database) list();
}

// Opens the browser's book and hands its records to the module, after the
// page's first result so as not to delay it.
export async function startBook(lent) {
  page = lent;
  translateBook();
  listen();
  $('keep').disabled = false;
  try {
    database = await openDatabase();
    const records = await request(database.transaction(SNAPSHOTS).objectStore(SNAPSHOTS).getAll());
    page.call('wc_book_load', records.map((record) => JSON.stringify(record)).join('\n'));
  } catch (error) {
    // No IndexedDB (a private window in some browsers): the book stays closed.
    $('keep').disabled = true;
    say(String(error && error.message || error));
    return;
  }
  $('keep-confirm').disabled = false;
  $('book-import').disabled = false;
  list();
  document.body.classList.add('book-ready');
}
