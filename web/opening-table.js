// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The list of the order's openings: the core's columns and row texts, the
// current row marked, location and count edited in place. What a row says
// and which values are allowed is the core's: a refused count is put back.

const EDITED = { location: 'setLocation', count: 'setCount' };
// Rows filled at once when the list is shown anew: a screenful and more.
const FIRST_ROWS = 40;

function make(tag, props = {}) {
  return Object.assign(document.createElement(tag), props);
}

export class OpeningTable {
  // ACT(method, ...args) runs an order action and gives its answer.
  constructor(table, calc, act) {
    this.table = table;
    this.calc = calc;
    this.act = act;
    this.current = -1;
    this.size = 0;
    // The rows of openings in conflict (shared-order problems) and what
    // opens one's conflict: the mark is a button that says it in words.
    this.conflicted = new Set();
    this.openConflict = () => {};
    this.columns = JSON.parse(calc.columns()).columns;
    const head = table.createTHead().insertRow();
    for (const text of this.columns) head.append(make('th', { scope: 'col', textContent: text }));
    this.body = table.tBodies[0] ?? table.createTBody();
    this.body.addEventListener('click', (e) => this.onClick(e));
    // The location is kept key by key, as the form's fields are; a count
    // only once it is whole, or the core would refuse each partial one.
    this.body.addEventListener('input', (e) => e.target.dataset.edit === 'location' && this.onEdit(e));
    this.body.addEventListener('change', (e) => e.target.dataset.edit === 'count' && this.onEdit(e));
    this.body.addEventListener('keydown', (e) => {
      if (e.key === 'Enter' && e.target.dataset.edit) e.target.blur();
    });
  }

  // Shows what an answer says of the order.
  apply(order) {
    if (!order) return;
    if (order.reload || order.size !== this.size) this.reload(order.size);
    else for (const row of order.rows ?? []) this.showRow(row);
    this.markCurrent(order.current);
  }

  // The list changed as a whole: a row for every opening, each filled
  // with its texts when it comes near the screen. The core works out an
  // opening's results only when its row is asked for, so a long order
  // opens without working out the rows nobody looks at.
  reload(size) {
    this.size = size;
    this.watcher ??= new IntersectionObserver((seen) => this.fill(seen), { rootMargin: '300px 0px' });
    while (this.body.rows.length > size) this.body.deleteRow(-1);
    while (this.body.rows.length < size) this.watcher.observe(this.newRow());
    for (const tr of this.body.querySelectorAll('[aria-selected]')) tr.removeAttribute('aria-selected');
    for (const tr of this.body.rows) tr.dataset.stale = '';
    this.current = -1;
    this.fetch(0, Math.min(size, FIRST_ROWS));
  }

  fill(seen) {
    const wanted = seen
      .filter((e) => e.isIntersecting && e.target.dataset.stale !== undefined && e.target.parentElement === this.body)
      .map((e) => e.target.sectionRowIndex)
      .sort((a, b) => a - b);
    if (!wanted.length) return;
    this.fetch(wanted[0], wanted.at(-1) - wanted[0] + 1);
  }

  fetch(first, count) {
    if (count <= 0) return;
    for (const row of JSON.parse(this.calc.rows(first, count)).rows) this.showRow(row);
  }

  showRow(row) {
    const tr = this.body.rows[row.index];
    if (!tr) return;
    delete tr.dataset.stale;
    const cells = tr.cells;
    cells[0].textContent = String(row.number);
    this.showMark(tr);
    this.showInput(this.input(cells[1], 'location'), row.location);
    this.showInput(this.input(cells[2], 'count'), String(row.count));
    cells[3].textContent = row.size;
    cells[4].textContent = row.drive;
    cells[5].textContent = row.torque;
  }

  markConflicts(rows) {
    const before = this.conflicted;
    this.conflicted = rows;
    for (const index of new Set([...before, ...rows])) {
      const tr = this.body.rows[index];
      if (tr && tr.dataset.stale === undefined) this.showMark(tr);
    }
  }

  showMark(tr) {
    const marked = this.conflicted.has(tr.sectionRowIndex);
    const mark = tr.cells[0].querySelector('.conflict-mark');
    tr.classList.toggle('conflicted', marked);
    if (!marked) return mark?.remove();
    if (mark) return;
    // A sign rather than a word: the number's column is narrow. Its name
    // says it, and the panel above lists the conflict in words.
    const button = make('button', { type: 'button', className: 'conflict-mark', textContent: '⚠', title: 'Конфликт правок' });
    button.setAttribute('aria-label', `Конфликт в проёме ${tr.cells[0].firstChild.textContent}: показать`);
    tr.cells[0].append(button);
  }

  showInput(input, text) {
    input.dataset.shown = text;
    if (input.value !== text && document.activeElement !== input) input.value = text;
    input.removeAttribute('aria-invalid');
  }

  newRow() {
    const tr = this.body.insertRow();
    for (let c = 0; c < 6; c += 1) tr.insertCell();
    // The phone shows a row as a card without the header: each result
    // cell names its column.
    for (const c of [3, 4, 5]) tr.cells[c].dataset.caption = this.columns[c];
    return tr;
  }

  // The cell's edit box, made when the row is first filled.
  input(cell, what) {
    if (cell.firstChild) return cell.firstChild;
    const input = make('input', { type: 'text', autocomplete: 'off' });
    if (what === 'count') input.inputMode = 'numeric';
    input.dataset.edit = what;
    input.setAttribute('aria-label', this.columns[what === 'count' ? 2 : 1]);
    cell.append(input);
    return input;
  }

  markCurrent(index) {
    if (index === this.current) return;
    this.body.rows[this.current]?.removeAttribute('aria-selected');
    const row = this.body.rows[index];
    row?.setAttribute('aria-selected', 'true');
    this.current = index;
    // Brought into view with the next frame, whose layout the browser
    // makes anyway: doing it now would lay the long list out twice. A row
    // the user clicked is in view already.
    if (row && !this.clicking) requestAnimationFrame(() => row.scrollIntoView({ block: 'nearest' }));
  }

  rowOf(el) {
    const tr = el.closest('tr');
    return tr && tr.parentElement === this.body ? tr.sectionRowIndex : -1;
  }

  onClick(e) {
    const index = this.rowOf(e.target);
    if (e.target.closest('.conflict-mark')) return this.openConflict(index);
    if (index < 0 || index === this.current) return;
    this.clicking = true;
    try {
      this.act('choose', index);
    } finally {
      this.clicking = false;
    }
  }

  onEdit(e) {
    const input = e.target;
    const what = input.dataset.edit;
    const index = this.rowOf(input);
    if (!what || index < 0) return;
    // The count goes as typed: the core reads it and refuses what is no count.
    const answer = this.act(EDITED[what], index, input.value);
    if (answer.result !== 'done') {
      input.value = input.dataset.shown ?? '';
      input.setAttribute('aria-invalid', 'true');
    }
  }
}
