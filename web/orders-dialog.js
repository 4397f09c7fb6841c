// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The orders kept in this browser: each with its title and the time of
// its last change, the open one marked; another opened, a new one begun,
// one deleted only after the user confirms it.

import { confirmDialog } from './confirm-dialog.js';

export const UNTITLED = 'Заказ без названия';

// Made when the list is first shown: loading the locale's data takes
// tens of milliseconds that the page's start need not wait for.
let when = null;
const timeText = (changed) => (when ??= new Intl.DateTimeFormat('ru-RU', { dateStyle: 'short', timeStyle: 'short' })).format(changed);

function make(tag, props = {}) {
  return Object.assign(document.createElement(tag), props);
}

export class OrdersDialog {
  constructor(dialog, confirm, keeper, opened) {
    Object.assign(this, { dialog, confirm, keeper, opened });
    this.list = dialog.querySelector('.stored-orders');
    dialog.querySelector('.new-order').addEventListener('click', () => this.run(() => this.keeper.create()));
  }

  async show() {
    await this.keeper.flush();
    await this.fill();
    if (!this.dialog.open) this.dialog.showModal();
  }

  async fill() {
    const orders = await this.keeper.list();
    this.list.replaceChildren(...orders.map((o) => this.item(o)));
    if (!orders.length) this.list.append(make('li', { textContent: 'В браузере нет сохранённых заказов.' }));
  }

  item({ id, title, changed }) {
    const li = make('li', { className: 'stored-order' });
    li.dataset.id = id;
    const name = title || UNTITLED;
    const open = make('button', { type: 'button', className: 'open-stored', textContent: name });
    const time = make('time', { textContent: timeText(changed), dateTime: new Date(changed).toISOString() });
    const remove = make('button', { type: 'button', className: 'remove-stored', textContent: 'Удалить' });
    remove.setAttribute('aria-label', `Удалить ${name}`);
    if (id === this.keeper.id) {
      li.classList.add('open');
      open.setAttribute('aria-current', 'true');
    }
    open.addEventListener('click', () => this.run(() => (id === this.keeper.id ? null : this.keeper.open(id))));
    remove.addEventListener('click', () => this.remove(id, name));
    li.append(open, time, remove);
    return li;
  }

  async remove(id, name) {
    const sure = await confirmDialog(this.confirm, `Удалить заказ «${name}» из браузера? Вернуть его будет нельзя.`);
    if (!sure) return;
    await this.keeper.remove(id);
    this.opened();
    await this.fill();
  }

  async run(step) {
    await step();
    this.opened();
    this.dialog.close();
  }
}
