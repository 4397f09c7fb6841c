// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The list of the order's openings: the core's columns and row texts, the
// current row marked, location and count edited in place. What a row says
// and which values are allowed is the core's: a refused count is put back.

const EDITED = { location: 'setLocation', count: 'setCount' };

function make(tag, props = {}) {
  return Object.assign(document.createElement(tag), props);
}

export class OpeningsList {
  // ACT(method, ...args) runs an order action and gives its answer.
  constructor(table, calc, act) {
    this.table = table;
    this.calc = calc;
    this.act = act;
    this.current = -1;
    this.size = 0;
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

  reload(size) {
    this.size = size;
    const rows = JSON.parse(this.calc.rows(0, size)).rows;
    while (this.body.rows.length > rows.length) this.body.deleteRow(-1);
    for (const row of rows) this.showRow(row);
    for (const tr of this.body.querySelectorAll('[aria-selected]')) tr.removeAttribute('aria-selected');
    this.current = -1;
  }

  showRow(row) {
    const tr = this.body.rows[row.index] ?? this.newRow();
    const cells = tr.cells;
    cells[0].textContent = String(row.number);
    this.showInput(cells[1].firstChild, row.location);
    this.showInput(cells[2].firstChild, String(row.count));
    cells[3].textContent = row.size;
    cells[4].textContent = row.drive;
    cells[5].textContent = row.torque;
  }

  showInput(input, text) {
    input.dataset.shown = text;
    if (input.value !== text && document.activeElement !== input) input.value = text;
    input.removeAttribute('aria-invalid');
  }

  newRow() {
    const tr = this.body.insertRow();
    const names = this.columns;
    for (let c = 0; c < 6; c += 1) tr.insertCell();
    // The phone shows a row as a card without the header: each result
    // cell names its column.
    for (const c of [3, 4, 5]) tr.cells[c].dataset.caption = names[c];
    const location = make('input', { type: 'text', autocomplete: 'off' });
    location.dataset.edit = 'location';
    location.setAttribute('aria-label', names[1]);
    const count = make('input', { type: 'text', autocomplete: 'off', inputMode: 'numeric' });
    count.dataset.edit = 'count';
    count.setAttribute('aria-label', names[2]);
    tr.cells[1].append(location);
    tr.cells[2].append(count);
    return tr;
  }

  markCurrent(index) {
    if (index === this.current) return;
    this.body.rows[this.current]?.removeAttribute('aria-selected');
    const row = this.body.rows[index];
    row?.setAttribute('aria-selected', 'true');
    this.current = index;
    row?.scrollIntoView?.({ block: 'nearest' });
  }

  rowOf(el) {
    const tr = el.closest('tr');
    return tr && tr.parentElement === this.body ? tr.sectionRowIndex : -1;
  }

  onClick(e) {
    const index = this.rowOf(e.target);
    if (index >= 0 && index !== this.current) this.act('choose', index);
  }

  onEdit(e) {
    const input = e.target;
    const what = input.dataset.edit;
    const index = this.rowOf(input);
    if (!what || index < 0) return;
    const value = what === 'count' ? Number(input.value.trim() || NaN) : input.value;
    const answer = this.act(EDITED[what], index, value);
    if (answer.result !== 'done') {
      input.value = input.dataset.shown ?? '';
      input.setAttribute('aria-invalid', 'true');
    }
  }
}
