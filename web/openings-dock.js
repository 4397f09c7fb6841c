// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The current opening's accessories with their quantities, and its
// problems in words, as the core gives them. A quantity the core refuses
// is put back as it was.

function make(tag, props = {}) {
  return Object.assign(document.createElement(tag), props);
}

export class OpeningsDock {
  constructor({ table, problems }, act) {
    this.table = table;
    this.problems = problems;
    this.act = act;
    this.shown = '';
    this.body = table.tBodies[0] ?? table.createTBody();
    this.body.addEventListener('change', (e) => this.onQuantity(e));
    this.body.addEventListener('keydown', (e) => {
      if (e.key === 'Enter' && e.target.dataset.article !== undefined) e.target.blur();
    });
  }

  apply(order) {
    if (!order) return;
    this.showAccessories(order.accessories ?? []);
    this.problems.replaceChildren(...(order.problems ?? []).map((p) => make('li', { textContent: p })));
    this.problems.hidden = !order.problems?.length;
  }

  showAccessories(accessories) {
    const key = JSON.stringify(accessories);
    if (key === this.shown) return;
    this.shown = key;
    this.body.replaceChildren(...accessories.map((a) => this.row(a)));
    this.table.hidden = !accessories.length;
  }

  row({ article, name, quantity, offered }) {
    const tr = make('tr');
    if (!offered) tr.classList.add('not-offered');
    const quantityBox = make('input', { type: 'text', inputMode: 'numeric', autocomplete: 'off', value: String(quantity) });
    quantityBox.dataset.article = article;
    quantityBox.dataset.shown = String(quantity);
    quantityBox.setAttribute('aria-label', `${this.table.tHead?.rows[0]?.cells[2]?.textContent ?? ''} ${article}`.trim());
    tr.append(make('td', { textContent: article }), make('td', { textContent: name }), make('td'));
    tr.cells[2].append(quantityBox);
    return tr;
  }

  onQuantity(e) {
    const box = e.target;
    const article = box.dataset.article;
    if (article === undefined) return;
    const answer = this.act('setQuantity', article, box.value);
    if (answer.result !== 'done') {
      box.value = box.dataset.shown;
      box.setAttribute('aria-invalid', 'true');
    }
  }
}
