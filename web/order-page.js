// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The order around the calculator form: its list, the current opening's
// accessories and problems, the parts list, the files, the report, and
// keeping it in the browser. Every answer of the core that tells of the
// order passes through answered(); the page decides nothing about it.

import { OpeningTable } from './opening-table.js';
import { OpeningsDock } from './openings-dock.js';
import { PartsView } from './parts-view.js';
import { OrderKeeper } from './order-keeper.js';
import { OrdersDialog } from './orders-dialog.js';
import { pickFile, saveFile } from './file-access.js';
import { papers } from './papers-module.js';

const ORDER_FILE = { description: 'Заказы KAVRO', extensions: ['.kavro'], mime: 'application/json' };
const CSV_FILE = { description: 'Таблица CSV', extensions: ['.csv', '.txt'], mime: 'text/csv' };
const TABLE_FILE = { description: 'Таблицы', extensions: ['.csv', '.txt', '.xlsx'], mime: 'text/csv' };
const XLSX_FILE = {
  description: 'Книги Excel', extensions: ['.xlsx'], mime: 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet',
};
// The name the stored order is shown under when the core refuses it.
const STORED_NAME = 'заказ из браузера';

const $ = (id) => document.getElementById(id);

export class OrderPage {
  // STORE_OPENER gives the order store (its opening may have begun while
  // the core was loading).
  // PAPERS writes the order report's Word document and prints it;
  // QUOTATION makes the quotation's papers.
  constructor(calc, router, dialog, storeOpener, papers, quotation) {
    Object.assign(this, { calc, router, dialog, papers, quotation });
    this.order = null; // the last order change the core told
    this.handle = null; // the file the order was opened from or saved to
    this.untouched = false; // a new order, not changed since
    this.list = new OpeningTable($('openings'), calc, (m, ...a) => this.act(m, ...a));
    this.details = new OpeningsDock({ table: $('opening-accessories'), problems: $('opening-problems') }, (m, ...a) => this.act(m, ...a));
    this.parts = new PartsView($('parts-list'), calc);
    this.keeper = new OrderKeeper({
      order: {
        save: () => this.bytes('saveOrder'),
        load: (bytes) => this.replace(() => this.calc.openOrder(STORED_NAME, bytes, true), true),
        blank: () => {
          this.replace(() => this.calc.newOrder());
          this.untouched = true;
        },
        title: () => this.order?.title ?? '',
        revision: () => this.calc.revision(),
      },
      status: (text, kind, alert) => this.status(text, kind, alert),
      onReadOnly: (readOnly) => this.setReadOnly(readOnly),
      storeOpener,
    });
    this.orders = new OrdersDialog($('orders-dialog'), $('confirm-dialog'), this.keeper, () => (this.handle = null));
  }

  // Every answer of the form or the order.
  answered(answer) {
    const order = answer.order;
    if (!order) return;
    const changed = order.revision !== this.order?.revision;
    this.order = order;
    this.list.apply(order);
    this.details.apply(order);
    this.parts.update(order.revision);
    const title = $('order-title');
    if (document.activeElement !== title && title.value !== order.title) title.value = order.title;
    // A new order nobody has changed yet is not worth a place in the
    // list of kept orders.
    if (order.modified) this.untouched = false;
    if (changed && !this.untouched) this.keeper.changed();
  }

  // An order action from the page's own controls: its answer shown, the
  // DOM focus left where the user has it.
  act(method, ...args) {
    return this.router.present(JSON.parse(this.calc[method](...args)), { follow: false });
  }

  // The core's bytes of a file, or its refusal thrown in its words.
  bytes(method) {
    const answer = this.calc[method]();
    if (answer.result !== 'done') throw new Error(answer.error);
    return answer.bytes; // the binding's own copy: the module's memory moves
  }

  // Runs a call that puts another order in the core; a failure changes
  // nothing and throws the core's message.
  replace(call, quiet = false) {
    const answer = JSON.parse(call());
    if (answer.result !== 'done') {
      if (quiet) throw new Error(answer.error);
      return answer;
    }
    this.router.view.showAll();
    this.router.present({ ...answer, order: { ...answer.order, reload: true } }, { follow: false });
    return answer;
  }

  async start() {
    this.wire();
    this.act('orderState');
    await this.keeper.start();
  }

  wire() {
    const on = (id, f) => $(id).addEventListener('click', () => this.guard(f));
    on('orders-button', () => this.orders.show());
    on('order-open', () => this.openFile());
    on('order-save', () => this.saveOrder());
    on('openings-import', () => this.importOpenings());
    on('openings-export', () => this.export('exportOpenings', 'Проёмы.csv'));
    on('parts-export', () => this.export('exportPartsList', 'Ведомость.csv'));
    on('openings-export-xlsx', () => this.exportWorkbook('openingsSheet', 'Проёмы.xlsx'));
    on('parts-export-xlsx', () => this.exportWorkbook('partsListSheet', 'Ведомость.xlsx'));
    on('order-report', () => this.report(false));
    on('order-report-print', () => this.report(true));
    const q = this.quotation;
    for (const [id, step] of [['price-list', () => q.loadPriceList()], ['order-discount', () => q.editDiscount()],
      ['opening-installation', () => q.editInstallationPrice()], ['quotation-print', () => q.preview()],
      ['quotation-docx', () => q.writeDocx()], ['quotation-xlsx', () => q.writeXlsx()], ['quotation-csv', () => q.writeCsv()]])
      on(id, step);
    for (const [id, method] of [['opening-add', 'add'], ['opening-copy', 'copy'], ['opening-remove', 'remove'],
      ['opening-up', 'moveUp'], ['opening-down', 'moveDown']])
      on(id, () => this.act(method));
    $('order-title').addEventListener('input', (e) => this.act('setTitle', e.target.value));
    for (const tab of document.querySelectorAll('#screens [data-screen]'))
      tab.addEventListener('click', () => this.showScreen(tab.dataset.screen));
  }

  // A file or storage fault is told, never lost in the console.
  async guard(step) {
    try {
      await step();
    } catch (error) {
      this.dialog.show(error?.message ?? String(error));
    }
  }

  showScreen(screen) {
    document.body.dataset.screen = screen;
    for (const tab of document.querySelectorAll('#screens [data-screen]')) {
      if (tab.dataset.screen === screen) tab.setAttribute('aria-current', 'page');
      else tab.removeAttribute('aria-current');
    }
    $('openings-screen').hidden = screen === 'parts';
    $('parts-screen').hidden = screen !== 'parts';
    this.parts.setVisible(screen === 'parts', this.order?.revision);
  }

  // Kept before the core takes another order: the stored one must not
  // get the new one's contents.
  async openFile() {
    const file = await pickFile(ORDER_FILE);
    if (!file) return;
    await this.keeper.flush();
    const answer = this.replace(() => this.calc.openOrder(file.name, file.bytes, false));
    if (answer.result !== 'done') return this.dialog.show(answer.error);
    this.handle = file.handle;
    this.untouched = false;
    await this.keeper.adopt();
  }

  async saveOrder() {
    const bytes = this.bytes('saveOrder');
    const name = `${this.order?.title || 'Заказ'}.kavro`;
    const handle = await saveFile(bytes, { ...ORDER_FILE, name, handle: this.handle });
    if (handle === undefined) return; // cancelled
    this.handle = handle;
    this.act('markSaved');
  }

  // A workbook is read by the papers' module, a text table by the core.
  async importOpenings() {
    const file = await pickFile(TABLE_FILE);
    if (!file) return;
    let call = () => this.calc.importOpenings(file.name, file.bytes);
    if (this.calc.isWorkbook(file.bytes)) {
      const read = JSON.parse(await papers.readOpenings(file.name, file.bytes));
      if (read.result !== 'done') return this.dialog.show(read.error);
      call = () => this.calc.appendOpenings(read.order);
    }
    const answer = this.replace(call);
    if (answer.result !== 'done') this.dialog.show(answer.error);
  }

  async exportWorkbook(method, name) {
    const made = JSON.parse(this.calc[method]());
    if (made.result !== 'done') throw new Error(made.error);
    const answer = await papers.workbookFile(JSON.stringify(made.sheet));
    if (answer.result !== 'done') throw new Error(answer.error);
    await saveFile(answer.bytes, { ...XLSX_FILE, name });
  }

  async export(method, name) {
    await saveFile(this.bytes(method), { ...CSV_FILE, name });
  }

  // The window's names: Отчёт по заказу (Word) and Печать отчёта по заказу.
  async report(print) {
    const answer = JSON.parse(this.calc.orderReport(''));
    if (answer.result !== 'done') return this.dialog.show(answer.error);
    if (print) return this.papers.print(answer.report);
    await this.papers.word(answer.typing, 'Отчёт по заказу.docx');
  }

  setReadOnly(readOnly) {
    document.body.classList.toggle('read-only', readOnly);
    for (const id of ['form', 'order-panel']) $(id).inert = readOnly;
    $('order-title').disabled = readOnly;
    for (const id of ['openings-import']) $(id).disabled = readOnly;
  }

  // The storage's state in the bar; a new problem also as a message.
  status(text, kind, alert = false) {
    const line = $('store-status');
    line.textContent = text;
    line.dataset.kind = kind;
    line.setAttribute('role', kind === 'error' ? 'alert' : 'status');
    if (alert && text) this.dialog.show(text);
  }
}
