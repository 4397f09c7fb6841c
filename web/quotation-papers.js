// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The quotation (Коммерческое предложение), as the window's: the firm's
// price list, read by the papers' module and kept in the browser as the
// program writes it; the order's discount and an opening's installation
// price; the quotation printed, or given as .docx, .xlsx and .csv. Every
// rule and text is the core's.

import { askText } from './ask-dialog.js';
import { papers } from './papers-module.js';
import { pickFile, saveFile } from './file-access.js';

const TABLE_FILE = { description: 'Таблицы', extensions: ['.csv', '.txt', '.xlsx'], mime: 'text/csv' };
const XLSX_FILE = {
  description: 'Книги Excel', extensions: ['.xlsx'], mime: 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet',
};
const CSV_FILE = { description: 'Таблица CSV', extensions: ['.csv'], mime: 'text/csv' };
const NAME = 'Коммерческое предложение';

export class QuotationPapers {
  // ACT runs an order action of the core and shows its answer; ORDER gives
  // the order's last state the core told.
  constructor({ calc, act, order, ask, store, papers, message }) {
    Object.assign(this, { calc, act, order, ask, store, papers, message });
    this.recordName = 'prices'; // the record the price list is kept under
    this.upload = null; // sends a new price list on before it is kept
  }

  async restore() {
    const kept = await (await this.store).get(this.recordName);
    if (!kept) return;
    const answer = JSON.parse(this.calc.setPrices(kept));
    if (answer.result !== 'done') this.message.show(answer.error);
  }

  // A list with any fault is refused whole and changes nothing.
  async loadPriceList() {
    const file = await pickFile(TABLE_FILE);
    if (!file) return;
    const read = JSON.parse(await papers.readPriceList(file.name, file.bytes));
    if (read.result !== 'done') return this.message.show(read.error);
    await this.upload?.(read.prices);
    const answer = JSON.parse(this.calc.setPrices(read.prices));
    if (answer.result !== 'done') return this.message.show(answer.error);
    await (await this.store).put(this.recordName, read.prices);
  }

  async editDiscount() {
    const text = await askText(this.ask, {
      title: 'Скидка на заказ', label: 'Скидка, % (пусто — без скидки):', text: this.order()?.discount ?? '',
    });
    if (text !== null) this.act('setDiscount', text);
  }

  async editInstallationPrice() {
    const text = await askText(this.ask, {
      title: 'Цена монтажа проёма',
      label: 'Монтаж одного проёма, руб. (пусто — по реквизитам):',
      text: this.order()?.installationPrice ?? '',
    });
    if (text !== null) this.act('setInstallationPrice', text);
  }

  made() {
    const answer = JSON.parse(this.calc.quotation());
    if (answer.result !== 'done') throw new Error(answer.error);
    return answer;
  }

  preview() {
    this.papers.print(this.made().report);
  }

  async writeDocx() {
    await this.papers.word(this.made().typing, `${NAME}.docx`);
  }

  async writeXlsx() {
    const answer = await papers.workbookFile(JSON.stringify(this.made().sheet));
    if (answer.result !== 'done') throw new Error(answer.error);
    await saveFile(answer.bytes, { ...XLSX_FILE, name: `${NAME}.xlsx` });
  }

  async writeCsv() {
    const answer = this.calc.quotationCsv();
    if (answer.result !== 'done') throw new Error(answer.error);
    await saveFile(new Uint8Array(answer.bytes), { ...CSV_FILE, name: `${NAME}.csv` });
  }
}
