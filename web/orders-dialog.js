// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The orders kept in this browser: each with its title and the time of
// its last change, the open one marked; another opened, a new one begun,
// one deleted only after the user confirms it. Signed in to the firm's
// server, the firm's orders too: who changed each last and when, the
// conflicts waiting, whether it stays on the device, and how many edits
// wait to be sent; offline, the firm's orders on the device.

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
  // FIRM is the firm's orders (FirmOrders), once the page has a server.
  constructor(dialog, confirm, keeper, opened) {
    Object.assign(this, { dialog, confirm, keeper, opened });
    this.firm = null;
    this.list = dialog.querySelector('.stored-orders');
    this.firmSection = dialog.querySelector('.firm-orders');
    this.firmList = dialog.querySelector('.firm-order-list');
    dialog.querySelector('.new-order').addEventListener('click', () => this.run(() => this.keeper.create()));
  }

  async show() {
    await this.keeper.flush();
    await this.fill();
    if (!this.dialog.open) this.dialog.showModal();
  }

  async fill() {
    const orders = (await this.keeper.list()).filter((o) => !o.firm);
    this.list.replaceChildren(...orders.map((o) => this.item(o)));
    if (!orders.length) this.list.append(make('li', { textContent: 'В браузере нет сохранённых заказов.' }));
    const signedIn = this.firm?.server.signedIn ?? false;
    this.firmSection.hidden = !signedIn;
    if (signedIn) await this.fillFirm();
  }

  async fillFirm() {
    const { server } = this.firm;
    this.dialog.querySelector('.firm-pending').textContent = `Ждут отправки на сервер: ${server.pending.count()}`;
    let orders;
    try {
      orders = await this.firm.list();
      this.note('');
    } catch (error) {
      if (error.status !== 0) throw error;
      this.note('Нет связи с сервером: показаны заказы фирмы на этом устройстве.');
      orders = (await this.keeper.list()).filter((o) => o.firm).map((o) => ({ ...o, onDevice: true }));
    }
    this.firmList.replaceChildren(...orders.map((o) => this.firmItem(o)));
    if (!orders.length) this.firmList.append(make('li', { textContent: 'У фирмы пока нет заказов.' }));
  }

  firmItem({ id, title, changedBy, changedAt, conflicts = 0, keep }) {
    const li = make('li', { className: 'firm-order' });
    li.dataset.id = id;
    const name = title || UNTITLED;
    const open = make('button', { type: 'button', className: 'open-firm', textContent: name });
    if (id === this.keeper.id) open.setAttribute('aria-current', 'true');
    open.addEventListener('click', () => this.run(() => (id === this.keeper.id ? null : this.firm.open(id)))
      .catch((error) => this.note(error.message)));
    li.append(open);
    if (changedBy) {
      const changed = new Date(changedAt * 1000);
      const time = make('time', { textContent: timeText(changed), dateTime: changed.toISOString() });
      li.append(make('span', { className: 'changed-by', textContent: `${changedBy}, ` }), time);
    }
    if (conflicts) li.append(make('span', { className: 'conflicts', textContent: `Конфликтов: ${conflicts}` }));
    const box = make('input', { type: 'checkbox', className: 'keep-firm', checked: keep });
    box.addEventListener('change', () => this.firm.mark(id, box.checked).catch((error) => {
      box.checked = !box.checked;
      this.note(error.message);
    }));
    const label = make('label', { className: 'keep-label' });
    label.append(box, ' На устройстве');
    box.setAttribute('aria-label', `Хранить ${name} на устройстве`);
    li.append(label);
    return li;
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

  note(text) {
    this.dialog.querySelector('.firm-note').textContent = text;
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
