// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What of the shared order waits for the user: the conflicts the server
// keeps, counted on the order and marked on their openings' rows, each
// opened to be decided; and the edits the server refused or that lost
// their opening, each with the reason and what it changed, kept until the
// user lets it go or sends it again. Nothing here holds up the rest of
// the queue. The words are the core's (SharedOrder.problems).

import { ConflictDialog } from './conflict-dialog.js';

function make(tag, props = {}) {
  return Object.assign(document.createElement(tag), props);
}

export class SyncPanel {
  // PANEL the section in the order's panel; TABLE the openings list;
  // COUNTER the «Проёмы» screen's button, which tells the count on a phone.
  constructor({ panel, table, counter, dialog, shared, message }) {
    Object.assign(this, { panel, table, counter, shared, message });
    this.dialog = new ConflictDialog(dialog);
    this.conflicts = panel.querySelector('.conflict-list');
    this.kept = panel.querySelector('.kept-list');
    this.views = [];
    this.shown = '';
    this.badge = make('span', { className: 'conflict-badge', hidden: true });
    this.badge.append(make('span', { className: 'visually-hidden', textContent: ', конфликтов: ' }), make('span'));
    counter.append(this.badge);
    table.openConflict = (row) => this.decide(this.views.find((view) => view.row === row));
    shared.onProblems(() => this.show());
    this.show();
  }

  show() {
    const problems = this.shared.problems();
    // Told after every write: the same problems are not built anew, so
    // that a button the user has reached keeps the focus.
    const key = JSON.stringify(problems);
    if (key === this.shown) return;
    this.shown = key;
    const { conflicts, kept } = problems;
    this.views = conflicts;
    this.panel.hidden = !conflicts.length && !kept.length;
    const count = conflicts.length ? `Конфликтов в заказе: ${conflicts.length}` : '';
    this.panel.querySelector('.conflict-count').textContent = count;
    this.badge.hidden = !conflicts.length;
    this.badge.lastChild.textContent = String(conflicts.length);
    this.conflicts.replaceChildren(...conflicts.map((view) => this.conflictItem(view)));
    this.kept.replaceChildren(...kept.map((edit) => this.keptItem(edit)));
    this.table.markConflicts(new Set(conflicts.map((view) => view.row).filter((row) => row >= 0)));
  }

  conflictItem(view) {
    const open = make('button', { type: 'button', className: 'open-conflict', textContent: `Конфликт: ${view.title}` });
    open.dataset.conflict = view.id;
    open.addEventListener('click', () => this.decide(view));
    const li = make('li');
    li.append(open);
    return li;
  }

  keptItem({ edit, reason, lines }) {
    const li = make('li', { className: 'kept-edit' });
    li.dataset.edit = edit;
    const what = make('ul', { className: 'kept-lines' });
    what.append(...lines.map((line) => make('li', { textContent: line })));
    const resend = make('button', { type: 'button', className: 'resend-kept', textContent: 'Отправить снова' });
    const dismiss = make('button', { type: 'button', className: 'dismiss-kept', textContent: 'Убрать' });
    resend.addEventListener('click', () => this.run(() => this.shared.resend(edit)));
    dismiss.addEventListener('click', () => this.run(() => this.shared.dismiss(edit)));
    li.append(make('p', { className: 'kept-reason', textContent: `Не принято: ${reason}` }), what, resend, ' ', dismiss);
    return li;
  }

  async decide(view) {
    if (!view) return;
    const keep = await this.dialog.ask(view);
    if (keep) await this.run(() => this.shared.resolve(view.id, keep));
  }

  async run(step) {
    try {
      await step();
    } catch (error) {
      this.message.show(error.message);
    }
  }
}
