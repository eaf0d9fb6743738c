// The Plan section under the card: what each level of each skill would pay, a
// plan of targets made by clicking the table's cells, the highest levels
// within a salary limit, the cheapest raises, a book player's forecast and the
// salary the game shows, as the module answers them (wc_plan,
// wc_book_forecast). This file draws the answers and passes the clicks and
// the fields on; it works nothing out.

const $ = (id) => document.getElementById(id);
const SALARY_SKILLS = 10;
const FORECAST_WEEKS = 8; // the window's and the command line's default

let page;            // what app.js lends: call, callText, copyText, language, levels
let shown = false;   // a player is shown
let targets = [];    // [code, level], in the order clicked, one per skill
let bookName = '';   // the book's player shown, for his forecast; '' for one pasted
let report = '';     // the report of a salary that differs from the game's
let active = '';     // the cell the Tab key reaches in each view, by its data-key; the arrows move it
// The arrows' moves in each view, as [skills, levels]: down the table a level
// up, across it a skill; along a skill's list a level up, to the next list a skill.
const MOVES = {
  'plan-table': { ArrowUp: [0, -1], ArrowDown: [0, 1], ArrowLeft: [-1, 0], ArrowRight: [1, 0] },
  'plan-skills': { ArrowLeft: [0, -1], ArrowRight: [0, 1], ArrowUp: [-1, 0], ArrowDown: [1, 0] },
};

// An element with its text (never HTML: a book player's name comes from links
// too), attributes and children.
function el(tag, attributes = {}, ...children) {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (value === false || value === undefined) continue;
    if (name === 'text') element.textContent = value;
    else element.setAttribute(name, value === true ? '' : value);
  }
  element.append(...children);
  return element;
}

// A cell's button, in the table and in the list alike: data-key finds it again
// after a click draws the section anew. The table's cell shows the salary
// alone and is named in full; the list's shows the level and the salary,
// named by them, which voice control hears, and described in full.
function cellButton(row, level, cell, content, named = true) {
  const current = !cell;
  const label = current ? row.current_label : cell.label;
  return el('button', {
    type: 'button', class: ['cell', current && 'current', cell && cell.over && 'over'].filter(Boolean).join(' '),
    'data-code': row.code, 'data-level': level, 'data-key': `${row.code}${level}`,
    'aria-label': named ? label : undefined, 'aria-description': named ? undefined : label,
    'aria-pressed': String(!!(cell && cell.target)),
  }, ...content);
}

function cellsOf(row) {
  return new Map(row.cells.map((cell) => [cell.level, cell]));
}

// Levels as rows, the skills as columns: a wide screen's table.
function drawTable(answer) {
  const lowest = Math.min(...answer.rows.map((row) => row.level));
  const highest = Math.max(...answer.rows.map((row) => (row.cells.length ? row.cells.at(-1).level : row.level)));
  const cells = answer.rows.map(cellsOf);
  $('plan-head').replaceChildren(el('tr', {}, el('th', { scope: 'col', text: answer.level_heading }),
    ...answer.rows.map((row) => el('th', { scope: 'col', class: 'lv' }, el('span', { text: row.name })))));
  const body = [];
  for (let level = lowest; level <= highest; ++level) {
    body.push(el('tr', {}, el('th', { scope: 'row', text: String(level) }), ...answer.rows.map((row, k) => {
      if (level < row.level) return el('td');
      const cell = cells[k].get(level);
      return el('td', {}, cellButton(row, level, cell, [cell ? cell.salary_text : answer.current_salary_text]));
    })));
  }
  $('plan-rows').replaceChildren(...body);
}

// A list per skill, its levels from the current one up: a phone's.
function drawList(answer) {
  $('plan-skills').replaceChildren(...answer.rows.map((row) => el('section', { class: 'plan-skill' },
    el('h4', { text: row.name }),
    el('ol', {}, ...[null, ...row.cells].map((cell) => el('li', {}, cellButton(row, cell ? cell.level : row.level, cell, [
      el('span', { class: 'cell-level', text: String(cell ? cell.level : row.level) }), ' ',
      el('span', { class: 'cell-salary', text: cell ? cell.salary_text : answer.current_salary_text })], false)))))));
}

function drawSteps(answer) {
  const plan = answer.plan;
  $('plan-none').textContent = answer.no_plan_text;
  $('plan-none').hidden = !!(plan && plan.steps.length);
  $('plan-steps-title').textContent = plan ? plan.title : '';
  $('plan-steps-title').hidden = !plan;
  $('plan-step-list').replaceChildren(...(plan ? plan.steps : []).map((step) =>
    el('li', { class: step.over ? 'over' : undefined, text: step.text })));
  $('plan-end').textContent = plan ? plan.end_text : '';
  $('plan-end').hidden = !plan;
}

function drawLimit(limit) {
  $('plan-limit-result').replaceChildren(...(limit ? [
    el('h3', { text: limit.title }),
    el('table', { class: 'sheet' }, el('tbody', {}, ...limit.rows.map((row) =>
      el('tr', {}, el('th', { scope: 'row', text: row.name }), el('td', { text: row.text }))))),
    ...(limit.passed_text ? [el('p', { text: limit.passed_text })] : []),
  ] : []));
}

function drawCheapest(cheapest) {
  const parts = [];
  if (cheapest) {
    parts.push(el('h3', { text: cheapest.title }));
    if (cheapest.error) parts.push(el('p', { class: 'error', text: cheapest.error }));
    else parts.push(el('ul', {}, ...cheapest.rows.map((row) => el('li', { text: row.text }))), el('p', { text: cheapest.end_text }));
  }
  $('plan-cheapest-result').replaceChildren(...parts);
}

function drawShown(check) {
  $('plan-shown-text').textContent = check ? check.text : '';
  $('plan-shown-text').className = check && !check.matches ? 'error' : '';
  report = check && !check.matches ? check.report : '';
  $('plan-report').hidden = !report;
  if (!report) $('plan-status').textContent = '';
}

// A book player's pace over his snapshots, and where it leads.
function drawForecast() {
  const box = $('plan-forecast');
  const text = bookName ? page.callText('wc_book_forecast', bookName, page.language(), FORECAST_WEEKS) : '';
  box.hidden = !text;
  if (!text) return;
  const forecast = JSON.parse(text);
  if (forecast.error) {
    box.replaceChildren(el('p', { class: 'hint', text: forecast.error }));
    return;
  }
  const [, ...heads] = forecast.headings;
  box.replaceChildren(el('h3', { id: 'plan-forecast-title', text: forecast.title }),
    el('p', { class: 'hint', text: forecast.rests_on }),
    el('table', { class: 'sheet cards', 'aria-labelledby': 'plan-forecast-title' },
      el('thead', {}, el('tr', {}, el('td'), ...heads.map((head) => el('th', { scope: 'col', text: head })))),
      el('tbody', {}, ...forecast.rows.map((row) => el('tr', {}, el('th', { scope: 'row', text: row.name }),
        ...[row.level, row.gained, row.per_week, row.then].map((value, k) =>
          el('td', { class: 'num', 'data-label': heads[k], text: String(value) })))))),
    el('p', { text: forecast.salary_text }));
}

// The section drawn anew for the levels shown, the targets clicked and the
// fields typed.
export function drawPlan() {
  if (!page || !shown) return;
  const focused = document.activeElement && document.activeElement.dataset.key
    ? [document.activeElement.dataset.key, document.activeElement.closest('#plan-table, #plan-skills').id] : null;
  const answer = page.call('wc_plan', page.levels().slice(0, SALARY_SKILLS).join(','), page.language(),
    targets.map(([code, level]) => `${code}=${level}`).join(','), $('plan-limit-input').value,
    $('plan-cheapest-input').value, '', $('plan-shown-input').value);
  $('plan-title').textContent = answer.title;
  $('plan-now').textContent = answer.now_text;
  $('plan-worth-title').textContent = answer.worth_title;
  $('plan-limit-label').textContent = answer.limit_label;
  $('plan-cheapest-label').textContent = answer.cheapest_label;
  $('plan-shown-label').textContent = answer.shown_label;
  $('plan-report').textContent = answer.copy_report;
  $('plan-version').textContent = answer.version_text;
  drawTable(answer);
  drawList(answer);
  drawSteps(answer);
  drawLimit(answer.limit);
  drawCheapest(answer.cheapest);
  drawShown(answer.shown);
  $('plan-errors').replaceChildren(...answer.errors.map((error) => el('li', { text: error })));
  drawForecast();
  $('plan').hidden = false;
  for (const view of ['plan-table', 'plan-skills']) {
    const cells = [...$(view).querySelectorAll('button.cell')];
    const reached = cells.find((cell) => cell.dataset.key === active) || cells[0];
    cells.forEach((cell) => { cell.tabIndex = cell === reached ? 0 : -1; });
  }
  if (focused) $(focused[1]).querySelector(`[data-key="${focused[0]}"]`)?.focus();
  performance.mark('plan-drawn'); // for bench/web.mjs
}

// A player newly shown: pasted (no name) or from the book (his name, for his
// forecast). His own plan and salary check start empty; the limit and the
// number of raises are the manager's and stay.
export function planPlayer(name = '') {
  shown = true;
  targets = [];
  bookName = name;
  $('plan-shown-input').value = '';
}

// The player shown was kept in the book under a name.
export function namePlayer(name) {
  bookName = name;
  drawPlan();
}

// A level clicked makes it its skill's target, in place of another; its
// target or the current level clicked takes the target away.
function cellClicked(button) {
  const code = button.dataset.code;
  const level = Number(button.dataset.level);
  const at = targets.findIndex(([skill]) => skill === code);
  if (at >= 0 && (targets[at][1] === level || button.classList.contains('current'))) targets.splice(at, 1);
  else if (at >= 0) targets[at][1] = level;
  else if (!button.classList.contains('current')) targets.push([code, level]);
  drawPlan();
}

// One cell in the Tab order, not two hundred: the arrows move between them,
// to the same level of the next skill, or its nearest.
function moveFocus(event) {
  const button = event.target.closest('button.cell');
  const view = button && button.closest('#plan-table, #plan-skills');
  const [skills, levels] = (view && MOVES[view.id][event.key]) || [];
  if (skills === undefined) return;
  event.preventDefault();
  const codes = [...new Set([...view.querySelectorAll('button.cell')].map((cell) => cell.dataset.code))];
  const code = codes[codes.indexOf(button.dataset.code) + skills];
  const cells = code ? [...view.querySelectorAll(`button.cell[data-code="${code}"]`)] : [];
  const level = Number(button.dataset.level) + levels;
  const next = cells.find((cell) => Number(cell.dataset.level) === level) || (skills ? cells[0] : null);
  if (!next) return;
  button.tabIndex = -1;
  next.tabIndex = 0;
  next.focus();
}

export function startPlan(lent) {
  page = lent;
  $('plan').addEventListener('click', (event) => {
    const button = event.target.closest('button.cell');
    if (button) cellClicked(button);
  });
  $('plan').addEventListener('keydown', moveFocus);
  $('plan').addEventListener('focusin', (event) => {
    if (event.target.dataset.key) active = event.target.dataset.key;
  });
  for (const id of ['plan-limit-input', 'plan-cheapest-input', 'plan-shown-input']) $(id).addEventListener('input', drawPlan);
  $('plan-report').addEventListener('click', () => page.copyText(report, 'plan-status'));
}
