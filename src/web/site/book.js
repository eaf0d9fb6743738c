// The player book on the page. The browser's IndexedDB keeps the snapshots,
// one record each ({name, date, note, tags, language, levels}); the module
// holds the book made of them and answers every salary, change, comparison
// and word shown here. This file keeps and fetches records and draws what the
// module answers, nothing else.

const DATABASE = 'wagecourt-book';
// The schema's version; upgrade() takes an older database up to it, step by step.
const SCHEMA_VERSION = 2;
const SNAPSHOTS = 'snapshots';
// The page's own few facts about the book, under one key: the day of the last
// export, the snapshots kept since, whether that was reminded of, and whether
// the browser was asked to keep the book through a shortage of space.
const STATE = 'state';
const BACKUP = 'backup';
const SALARY_SKILLS = 10;
const SCREEN_ROWS = 100; // fetched and drawn at a time: the first, then more as the list is scrolled on
const SVG = 'http://www.w3.org/2000/svg';
const QUIET_ZONE = 4; // modules of light around a QR code, for a camera to find its edges

const $ = (id) => document.getElementById(id);

let page;          // what app.js lends: call, callText, language, levels, show, copyText, readableColor
let database = null;
let backup = { exported: '', kept: 0, reminded: false, persistAsked: false };
let reminding = false; // the reminder is on the screen
let aside = new Set(); // the keys of records the module could not read: never deleted
let refused = [];  // and the module's lines naming them
let shown = false; // a player is shown, to keep
let sort = 'name';
let tag = '';      // the tag the list is filtered by, '' for none
let rows = [];     // the module's rows fetched so far, in the order shown
let total = 0;     // how many players the list holds
let names = null;  // every player's name, fetched when a keep asks
let filledNote = ''; // the note the keep form filled in from the book, not typed
let watcher = null; // the observer of the list's end, which fetches more
let ticked = [];   // names ticked for a comparison, in the order ticked
let headings = []; // the ten salary skills' headings
let levelColors = []; // the game's, as the module gives them
let paintedOn = '';   // the background they were last made readable on
let opened;           // settles once the browser's book is read into the module (or could not be)

function upgrade(db, oldVersion) {
  if (oldVersion < 1) {
    const store = db.createObjectStore(SNAPSHOTS, { autoIncrement: true });
    store.createIndex('name', 'name');
  }
  if (oldVersion < 2) db.createObjectStore(STATE);
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

// One change, one transaction: all of it is stored, or nothing. The work is
// handed the snapshots and a call that changes the page's state and stores
// it with them.
function change(work) {
  return new Promise((done, fail) => {
    const transaction = database.transaction([SNAPSHOTS, STATE], 'readwrite');
    work(transaction.objectStore(SNAPSHOTS), (changed) => {
      backup = { ...backup, ...changed };
      transaction.objectStore(STATE).put(backup, BACKUP);
    });
    transaction.oncomplete = () => done();
    transaction.onerror = () => fail(transaction.error);
    transaction.onabort = () => fail(transaction.error);
  });
}

function remember(changed) {
  return change((snapshots, save) => save(changed));
}

// Records added, and the snapshots new to the book among them counted as
// kept since the last export.
function store(records, added) {
  return change((snapshots, save) => {
    records.forEach((record) => snapshots.add(record));
    save({ kept: backup.kept + added });
  });
}

// Players' records ([{name, records}]) in place of those stored of them (but
// those set aside), in one transaction; counting, the snapshots this adds are
// kept since the last export.
function replaceAll(players, counting) {
  return change((snapshots, save) => {
    let waiting = players.length;
    let added = 0;
    for (const { name, records } of players) {
      snapshots.index('name').getAllKeys(IDBKeyRange.only(name)).onsuccess = (event) => {
        const keys = event.target.result.filter((key) => !aside.has(key));
        keys.forEach((key) => snapshots.delete(key));
        records.forEach((record) => snapshots.add(record));
        added += Math.max(0, records.length - keys.length);
        if (--waiting === 0) save(counting ? { kept: backup.kept + added } : {});
      };
    }
  });
}

function replace(name, records, counting) {
  return replaceAll([{ name, records }], counting);
}

function today() {
  const now = new Date();
  return [now.getFullYear(), now.getMonth() + 1, now.getDate()].map((n) => String(n).padStart(2, '0')).join('-');
}

function items(id, lines) {
  $(id).replaceChildren(...lines.map((line) => {
    const item = document.createElement('li');
    item.textContent = line;
    return item;
  }));
}

function say(text, errors = []) {
  $('book-status').textContent = text;
  items('book-errors', errors);
}

function escape(text) {
  return String(text).replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
}

// --- Keeping the player shown.

// Keep in Book takes a player shown: until one is, it says what to do first.
function drawKeep() {
  const why = database && !shown ? page.texts().book.needs_player : '';
  $('keep').disabled = !database || !shown;
  $('keep').title = why;
  $('keep-why').textContent = why;
  $('keep-why').hidden = !why;
}

export function playerShown() {
  shown = true;
  if (page) drawKeep();
}

function openKeep() {
  const form = $('keep-form');
  form.hidden = false;
  knownNames();
  $('keep-name').focus();
  $('keep-name').select();
  nameTyped();
}

function closeKeep() {
  $('keep-form').hidden = true;
  $('keep').focus();
}

// The names in the book, for the keep's suggestions; fetched when first
// wanted after a change.
function knownNames() {
  if (!names) {
    names = page.call('wc_book_names').names;
    $('book-names').replaceChildren(...names.map((name) => new Option(name)));
  }
  return names;
}

// A player already kept brings his note along, unless one of the manager's
// own was typed (the note replaces his), and shows his tags.
function nameTyped() {
  const player = page.call('wc_book_player', $('keep-name').value);
  if ($('keep-note').value === filledNote) {
    filledNote = player.found ? player.note : '';
    $('keep-note').value = filledNote;
  }
  $('keep-hint').hidden = !player.found;
  $('keep-tags-given').textContent = player.found ? player.tags_text : '';
  $('keep-tags-given').hidden = !$('keep-tags-given').textContent;
}

// The browser may clear a site's storage when space runs short, unless asked
// to keep it: asked once, at the first keep.
function askToKeep() {
  if (backup.persistAsked || !navigator.storage || !navigator.storage.persist) return;
  navigator.storage.persist().catch(() => {});
  remember({ persistAsked: true }).catch(() => {});
}

async function keep(event) {
  event.preventDefault();
  performance.mark('keep'); // for bench/web_book.mjs
  const kept = page.call('wc_book_keep', $('keep-name').value, $('keep-note').value, $('keep-tags').value,
    page.levels().join(','), page.language(), today());
  performance.mark('keep-answered');
  if (!kept.kept) {
    say(kept.error);
    $('keep-name').focus();
    return;
  }
  try {
    await replace(kept.name, kept.records, true);
  } catch (error) {
    say(String(error));
    return;
  }
  performance.mark('kept');
  for (const id of ['keep-name', 'keep-note', 'keep-tags']) $(id).value = '';
  filledNote = '';
  closeKeep();
  say(kept.status);
  list();
  askToKeep();
  page.named(kept.name);
}

// --- Under the book: when it was last exported, and once a reminder to.

function drawBackup() {
  const answer = page.call('wc_book_backup', backup.exported, backup.kept, backup.reminded && !reminding ? 1 : 0);
  $('book-backup').textContent = answer.text;
  reminding = !!answer.reminder;
  $('book-reminder').textContent = answer.reminder;
  $('book-reminder').hidden = !reminding;
  if (reminding && !backup.reminded) remember({ reminded: true }).catch(() => {});
}

// --- The list: a table on wide screens, cards on a phone (style.css).

function headCell(key) {
  if (!key) return '<td></td>';
  const label = page.texts().book[key];
  const sorted = sort.replace('-', '') === key;
  const order = sorted ? (sort.startsWith('-') ? 'descending' : 'ascending') : 'none';
  return `<th scope="col" aria-sort="${order}"><button type="button" data-sort="${key}">${escape(label)}</button></th>`;
}

function levelCells(levels, texts) {
  return levels.slice(0, SALARY_SKILLS).map((level, k) =>
    `<td class="lv l${level}" data-label="${escape(headings[k])}">${escape(texts[k])}</td>`).join('');
}

function rowHtml(row, index) {
  const book = page.texts().book;
  const name = escape(row.name);
  const tags = row.tags.map((word) => `<span class="tag">${escape(word)}</span>`).join(' ');
  return `<tr data-index="${index}"><td class="tick"><input type="checkbox" aria-label="${name}"${ticked.includes(row.name) ? ' checked' : ''}></td>`
    + `<th scope="row" class="name">${name}${row.note ? `<small>${escape(row.note)}</small>` : ''}`
    + `${tags ? `<small class="tags">${tags}</small>` : ''}</th>${levelCells(row.levels, row.level_texts)}`
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
  return page.call('wc_book_list', sort, page.language(), from, SCREEN_ROWS, tag);
}

function more(entries) {
  if (!entries.some((entry) => entry.isIntersecting)) return;
  const from = rows.length;
  rows.push(...fetchRows(from).rows);
  drawRows(from);
}

// The tags in the book, to filter the list by, shown when there are any.
function drawTags(tags) {
  const book = page.texts().book;
  $('book-tag').replaceChildren(new Option(book.all_players, ''), ...tags.map((word) => new Option(word, word)));
  $('book-tag').value = tag;
  $('book-tag-choice').hidden = !tags.length;
}

function list() {
  performance.mark('book-list');
  let answer = fetchRows(0);
  if (tag && !answer.tags.includes(tag)) { // the tag's last player went
    tag = '';
    answer = fetchRows(0);
  }
  rows = answer.rows;
  total = answer.total;
  headings = answer.skill_headings;
  names = null;
  const table = $('book-table');
  levelColors = answer.level_colors;
  paintedOn = '';
  recolourBook();
  $('book-head').innerHTML = `<tr>${headCell('')}${headCell('name')}`
    + headings.map((heading) => `<th scope="col" class="lv"><span>${escape(heading)}</span></th>`).join('')
    + `${headCell('salary')}${headCell('position')}${headCell('change')}${headCell('date')}<td></td></tr>`;
  $('book-rows').replaceChildren();
  $('book-count').textContent = total ? answer.count_text : answer.empty_text;
  table.hidden = !total;
  for (const id of ['compare', 'book-share', 'book-export', 'book-copy']) $(id).disabled = !total;
  drawTags(answer.tags);
  items('book-unreadable', [...refused, ...answer.unreadable]);
  drawRows(0);
  drawBackup();
}

function sortBy(key) {
  sort = sort === key ? `-${key}` : key;
  list();
  $('book-head').querySelector(`[data-sort="${key}"]`).focus();
}

async function rowAction(act, row) {
  if (act === 'show') {
    page.show(row.levels, row.name);
  } else if (act === 'history') {
    const history = page.call('wc_book_history', row.name, page.language());
    const book = page.texts().book;
    const heads = ['date', 'salary', 'position', 'change'].map((key) => book[key]).concat(headings);
    drawSheet('book-history', history.title, `<tr>${heads.map((head, k) => (k < 4 ? `<th scope="col">${escape(head)}</th>`
      : `<th scope="col" class="lv"><span>${escape(head)}</span></th>`)).join('')}</tr>`,
      history.rows.map((seen) => `<tr><th scope="row">${seen.date}</th>`
        + [seen.salary_text, seen.position_name, seen.change_text].map((cell, k) =>
          `<td data-label="${escape(heads[k + 1])}">${escape(cell)}</td>`).join('')
        + `${levelCells(seen.levels, seen.level_texts)}</tr>`).join(''));
  } else if (act === 'delete') {
    const removed = page.call('wc_book_remove', row.name);
    if (!removed.removed) return;
    await replace(row.name, [], false);
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
  await replace(restored.name, restored.records, false);
  say('');
  list();
}

// A titled table of text, brought into sight from its start: neither it nor
// the list beside it is left scrolled sideways.
function drawSheet(id, title, head, body) {
  const box = $(id);
  box.hidden = false;
  box.querySelector('h3').textContent = title;
  box.querySelector('thead').innerHTML = head;
  box.querySelector('tbody').innerHTML = body;
  document.querySelectorAll('#book .book-scroll').forEach((scroller) => { scroller.scrollLeft = 0; });
  box.scrollIntoView({ block: 'nearest' });
}

// Side by side in a table; on a phone, where they would not fit, a card each
// (style.css shows the one that fits).
function compare() {
  const compared = page.call('wc_book_compare', JSON.stringify(ticked), page.language());
  if (compared.error) {
    say(compared.error);
    return;
  }
  say('');
  const head = `<tr><td></td>${compared.names.map((name) => `<th scope="col">${escape(name)}</th>`).join('')}</tr>`;
  const body = compared.headings.map((heading, row) => `<tr><th scope="row">${escape(heading)}</th>`
    + compared.columns.map((column) => `<td>${escape(column[row])}</td>`).join('') + '</tr>').join('');
  $('book-compare').querySelector('.compare-cards').innerHTML = compared.names.map((name, k) =>
    `<section class="compare-card"><h4>${escape(name)}</h4><dl>${compared.headings.map((heading, row) =>
      `<div><dt>${escape(heading)}</dt><dd>${escape(compared.columns[k][row])}</dd></div>`).join('')}</dl></section>`).join('');
  drawSheet('book-compare', compared.title, head, body);
}

// --- Links: the ticked players, or the whole book, as a link to this page;
// and a link opened, offered to the book.

// Handed to the device's share sheet where there is one, copied elsewhere;
// shown as text, and as a QR code when it fits one.
async function shareLink() {
  const shares = !!navigator.share;
  const made = page.call('wc_link_make', JSON.stringify(ticked), location.origin + location.pathname, shares ? 1 : 0);
  if (made.error) {
    say(made.error);
    return;
  }
  say('');
  drawLink(made);
  performance.mark('link-made'); // for the tests
  if (!shares) {
    await page.copyText(made.link, 'book-status');
    return;
  }
  try {
    await navigator.share({ url: made.link });
  } catch {
    // Cancelled in the share sheet: the link stays shown.
  }
}

function drawLink(made) {
  $('book-link').hidden = false;
  $('book-link-holds').textContent = made.holds;
  $('book-link-text').value = made.link;
  $('book-link-qr-text').textContent = made.qr_text || '';
  $('book-link-qr-text').hidden = made.fits_qr;
  const box = $('book-link-qr');
  box.replaceChildren();
  if (made.fits_qr) {
    const side = made.qr_size + 2 * QUIET_ZONE;
    const svg = document.createElementNS(SVG, 'svg');
    const attributes = { viewBox: `${-QUIET_ZONE} ${-QUIET_ZONE} ${side} ${side}`, role: 'img', 'aria-label': made.qr_label,
      'shape-rendering': 'crispEdges' };
    Object.entries(attributes).forEach(([name, value]) => svg.setAttribute(name, value));
    // Dark on light in either scheme: cameras look for that.
    const light = document.createElementNS(SVG, 'rect');
    [['x', -QUIET_ZONE], ['y', -QUIET_ZONE], ['width', side], ['height', side], ['fill', '#fff']]
      .forEach(([name, value]) => light.setAttribute(name, value));
    const dark = document.createElementNS(SVG, 'path');
    dark.setAttribute('d', made.qr_path);
    dark.setAttribute('fill', '#000');
    svg.append(light, dark);
    box.append(svg);
  }
  box.hidden = !made.fits_qr;
  $('book-link').scrollIntoView({ block: 'nearest' });
}

// A text pasted or opened: null when it is no link (then it is a skill list,
// and any link offered before is gone from the module); else the reason it
// adds nothing, or '' once what it holds is offered to the book.
export function offerLink(text) {
  const read = page.call('wc_link_read', text);
  $('link-offer').hidden = !read.is_link || !!read.error;
  if (!read.is_link || read.error) return read.is_link ? read.error : null;
  $('link-holds').textContent = read.holds;
  items('link-names', read.names);
  $('link-question').textContent = read.question;
  performance.mark('link-offered'); // for bench/web_book.mjs
  $('link-add').focus();
  return '';
}

async function addLinked() {
  $('link-offer').hidden = true;
  await opened;
  if (!database) return; // the book could not be opened, and says so
  const added = page.call('wc_link_add');
  try {
    await replaceAll(added.players, true);
  } catch (error) {
    say(String(error));
    return;
  }
  say(added.message, added.errors);
  list();
  askToKeep();
  performance.mark('link-added'); // for the tests
  $('book-title').focus();
}

// --- Export, import and copy.

async function exportBook() {
  const form = $('book-form').value;
  const text = page.callText('wc_book_export', form);
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: form === 'csv' ? 'text/csv' : 'application/x-ndjson' }));
  link.download = `wagecourt-book-${today()}.${form}`;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  try {
    await remember({ exported: today(), kept: 0, reminded: false });
  } catch (error) {
    say(String(error));
  }
  drawBackup();
}

async function importBook() {
  const file = $('book-import').files[0];
  if (!file) return;
  $('book-import').value = '';
  const largest = page.texts().book.largest_file;
  const text = file.size > largest ? '' : await file.text();
  const read = page.call('wc_book_import', file.name, text, file.size);
  try {
    await store(read.records, read.snapshots);
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
  $('keep-name').addEventListener('input', nameTyped);
  $('keep-form').addEventListener('keydown', (event) => {
    if (event.key === 'Escape') closeKeep();
  });
  $('book-head').addEventListener('click', (event) => {
    const button = event.target.closest('[data-sort]');
    if (button) sortBy(button.dataset.sort);
  });
  $('book-tag').addEventListener('change', (event) => {
    tag = event.target.value;
    list();
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
  $('book-share').addEventListener('click', shareLink);
  $('link-add').addEventListener('click', addLinked);
  $('link-cancel').addEventListener('click', () => {
    $('link-offer').hidden = true;
    $('paste').focus();
  });
  $('book-export').addEventListener('click', exportBook);
  $('book-import').addEventListener('change', importBook);
  $('book-copy').addEventListener('click', () => page.copyText(page.callText('wc_book_table', sort, page.language()), 'book-status'));
  $('book-undo').addEventListener('click', undo);
  for (const id of ['book-history', 'book-compare', 'book-link']) {
    $(id).querySelector('.close').addEventListener('click', () => { $(id).hidden = true; });
  }
}

// The game's level colours, readable on this scheme's card; again whenever
// the scheme changes (app.js asks on every drawing of the card).
export function recolourBook() {
  const background = page && page.levelBackground();
  if (!background || background === paintedOn) return;
  paintedOn = background;
  const book = $('book');
  levelColors.forEach((color, i) => book.style.setProperty(`--l${i + 1}`, page.readableColor(color, background)));
}

// The words in the page's language, and the list drawn again in it.
export function translateBook() {
  if (!page) return;
  const book = page.texts().book;
  $('keep').textContent = book.keep_in_book;
  $('book-title').textContent = book.player_book;
  $('keep-name-label').textContent = book.player_name;
  $('keep-note-label').textContent = book.note_optional;
  $('keep-tags-label').textContent = book.tags_optional;
  $('keep-tags').placeholder = book.tags_example;
  $('keep-confirm').textContent = book.keep;
  $('keep-hint').textContent = book.adds_snapshot;
  $('book-tag-label').textContent = book.show_tag;
  $('compare').textContent = book.compare;
  $('book-share').textContent = navigator.share ? book.share : book.copy_link;
  $('book-link-text').setAttribute('aria-label', book.link_made);
  $('link-add').textContent = book.add_linked;
  $('link-cancel').textContent = book.dont_add_linked;
  $('compare-hint').textContent = book.tick_to_compare;
  $('book-export').textContent = book.export;
  $('book-import-label').textContent = book.import;
  $('book-copy').textContent = book.copy_table;
  $('book-undo').textContent = book.undo;
  document.querySelectorAll('#book .close').forEach((button) => { button.textContent = book.close; });
  for (const id of ['book-history', 'book-compare', 'book-link']) $(id).hidden = true;
  drawKeep();
  if (database) list();
}

// Opens the browser's book and hands its records to the module, after the
// page's first result so as not to delay it.
export function startBook(lent) {
  page = lent;
  translateBook();
  listen();
  // A link to the popup of one browser's extension would open nowhere else.
  $('book-share').hidden = page.extension;
  opened = openBook();
  return opened;
}

async function openBook() {
  try {
    database = await openDatabase();
    const reading = database.transaction([SNAPSHOTS, STATE]);
    const snapshots = reading.objectStore(SNAPSHOTS);
    const [records, keys, state] = await Promise.all([request(snapshots.getAll()), request(snapshots.getAllKeys()),
      request(reading.objectStore(STATE).get(BACKUP))]);
    backup = { ...backup, ...state };
    const loaded = page.call('wc_book_load', records.map((record) => JSON.stringify(record)).join('\n'));
    refused = loaded.refused;
    aside = new Set(loaded.refused_at.map((line) => keys[line - 1]));
  } catch (error) {
    // No IndexedDB (a private window in some browsers): the book stays closed.
    database = null;
    say(String(error && error.message || error));
    return;
  }
  drawKeep();
  $('keep-confirm').disabled = false;
  $('book-import').disabled = false;
  list();
  document.body.classList.add('book-ready');
}
