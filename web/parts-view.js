// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The parts list of the whole order, cells as the core gives them. It is
// worked out only while it is on screen: a change of the order marks it
// stale, and showing it again reads it anew.

function cells(tag, texts) {
  const tr = document.createElement('tr');
  for (const text of texts) {
    const cell = document.createElement(tag);
    if (tag === 'th') cell.scope = 'col';
    cell.textContent = text;
    tr.append(cell);
  }
  return tr;
}

export class PartsView {
  constructor(table, calc) {
    this.table = table;
    this.calc = calc;
    this.revision = null;
    this.visible = false;
  }

  setVisible(visible, revision) {
    this.visible = visible;
    if (visible) this.update(revision);
  }

  update(revision) {
    if (!this.visible || revision === this.revision) return;
    this.revision = revision;
    const { columns, rows } = JSON.parse(this.calc.partsList());
    const head = this.table.tHead ?? this.table.createTHead();
    head.replaceChildren(cells('th', columns));
    const body = this.table.tBodies[0] ?? this.table.createTBody();
    body.replaceChildren(...rows.map((row) => cells('td', row.map(String))));
  }
}
