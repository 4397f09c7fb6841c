// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Реквизиты организации, as the window's dialog: the firm's lines, the
// logo (checked as a picture when it is chosen), the installation price
// and VAT. The core checks and keeps them; this browser keeps the
// firm.json text the core wrote and the logo's bytes, and gives them back
// at the next start. Импорт реквизитов takes the desktop's firm.json and
// its logo, picked together.

import { pickFiles, saveFile } from './file-access.js';
import { papers } from './papers-module.js';

const FIELDS = {
  name: 'firmName', address: 'firmAddress', phone: 'firmPhone', email: 'firmEmail', website: 'firmWebsite',
  inn: 'firmInn', kpp: 'firmKpp', installationPrice: 'firmInstallation', vatRate: 'firmVat',
};
const LOGO_FILE = { description: 'Изображения PNG и JPEG', extensions: ['.png', '.jpg', '.jpeg'], mime: 'image/png' };
const FIRM_FILES = {
  description: 'Реквизиты (firm.json) и логотип, или их архив', extensions: ['.json', '.png', '.jpg', '.jpeg', '.zip'],
  mime: 'application/json',
};
const ZIP_FILE = { description: 'Архив реквизитов', extensions: ['.zip'], mime: 'application/zip' };
const STORED_NAME = 'реквизиты из браузера';

// Whether the browser can draw BYTES: the window decodes a chosen logo too.
async function drawable(bytes) {
  try {
    (await createImageBitmap(new Blob([bytes]))).close();
    return true;
  } catch {
    return false;
  }
}

export class FirmDialog {
  // LOGO_FAULT is the core's check of a chosen logo; STORE the papers' store.
  constructor(dialog, { calc, logoFault, store, message }) {
    Object.assign(this, { dialog, calc, logoFault, store, message });
    this.recordName = 'firm'; // the record the details are kept under
    this.upload = null; // sends accepted details on before they are kept
    this.field = (id) => dialog.querySelector(`#${id}`);
    this.logo = null; // { name, bytes } of the logo shown, or null
    const on = (id, f) => this.field(id).addEventListener('click', () => this.guard(f));
    on('firm-logo-choose', () => this.chooseLogo());
    on('firm-logo-remove', () => this.setLogo(null));
    on('firm-import', () => this.importFiles());
    on('firm-export', () => this.exportArchive());
    on('firm-ok', () => this.accept());
    this.field('firmNoVat').addEventListener('change', () => this.showVat());
  }

  async guard(step) {
    try {
      await step();
    } catch (error) {
      this.message.show(error?.message ?? String(error));
    }
  }

  // The kept details back into the core; a record it refuses (kept by a
  // newer version, say) is told and left as it is.
  async restore() {
    const kept = await (await this.store).get(this.recordName);
    if (!kept) return;
    const answer = JSON.parse(this.calc.loadFirm(STORED_NAME, kept.json, kept.logo ?? new Uint8Array()));
    if (answer.result !== 'done') this.message.show(answer.error);
    else this.kept = kept;
  }

  show() {
    this.fill(JSON.parse(this.calc.firmEntry()), this.kept);
    if (!this.dialog.open) this.dialog.showModal();
  }

  fill(entry, kept) {
    for (const [key, id] of Object.entries(FIELDS)) this.field(id).value = entry[key];
    this.field('firmNoVat').checked = entry.noVat;
    this.showVat();
    this.setLogo(entry.logo && kept?.logo ? { name: entry.logo, bytes: kept.logo } : null);
  }

  showVat() {
    this.field('firmVat').disabled = this.field('firmNoVat').checked;
  }

  setLogo(logo) {
    this.logo = logo;
    this.field('firmLogo').value = logo?.name ?? '';
  }

  async chooseLogo() {
    const [file] = await pickFiles(LOGO_FILE);
    if (!file) return;
    const fault = this.logoFault(file.name, file.bytes, await drawable(file.bytes));
    if (fault) return this.message.show(fault);
    this.setLogo({ name: file.name, bytes: file.bytes });
  }

  entry() {
    const entry = Object.fromEntries(Object.entries(FIELDS).map(([key, id]) => [key, this.field(id).value]));
    return { ...entry, logo: this.logo?.name ?? '', noVat: this.field('firmNoVat').checked };
  }

  async accept() {
    const logo = this.logo?.bytes ?? new Uint8Array();
    const answer = JSON.parse(this.calc.setFirm(JSON.stringify(this.entry()), logo));
    if (answer.result !== 'done') return this.message.show(answer.error);
    await this.keep({ json: answer.firm, logo: this.logo?.bytes ?? null });
    this.dialog.close();
  }

  // The desktop's firm.json and the logo it names, in one pick, or the
  // archive Экспорт реквизитов wrote.
  async importFiles() {
    const files = await pickFiles({ ...FIRM_FILES, multiple: true });
    if (!files.length) return;
    if (files.length === 1 && this.calc.isWorkbook(files[0].bytes)) return this.importArchive(files[0]);
    const json = files.find((f) => f.name.toLowerCase().endsWith('.json'));
    if (!json) return this.message.show('Среди выбранных файлов нет файла реквизитов (.json).');
    const logo = files.find((f) => f !== json);
    if (logo && !(await drawable(logo.bytes))) return this.message.show(this.logoFault(logo.name, logo.bytes, false));
    const answer = JSON.parse(this.calc.loadFirm(json.name, json.bytes, logo?.bytes ?? new Uint8Array()));
    if (answer.result !== 'done') return this.message.show(answer.error);
    const kept = { json: answer.firm, logo: logo?.bytes ?? null };
    await this.keep(kept);
    this.fill(JSON.parse(this.calc.firmEntry()), kept);
  }

  async importArchive(file) {
    const read = JSON.parse(await papers.firmOfArchive(file.name, file.bytes));
    if (read.result !== 'done') return this.message.show(read.error);
    const logo = read.logo ? Uint8Array.from(atob(read.logo), (c) => c.charCodeAt(0)) : null;
    const answer = JSON.parse(this.calc.loadFirm(file.name, read.firm, logo ?? new Uint8Array()));
    if (answer.result !== 'done') return this.message.show(answer.error);
    const kept = { json: answer.firm, logo };
    await this.keep(kept);
    this.fill(JSON.parse(this.calc.firmEntry()), kept);
  }

  // The details as kept (what the dialog shows once OK is pressed).
  async exportArchive() {
    if (!this.kept) return this.message.show('Реквизиты ещё не заданы.');
    const answer = await papers.firmArchive(this.kept.json, this.kept.logo ?? new Uint8Array());
    if (answer.result !== 'done') throw new Error(answer.error);
    await saveFile(answer.bytes, { ...ZIP_FILE, name: 'Реквизиты.zip' });
  }

  async keep(record) {
    await this.upload?.(record);
    await (await this.store).put(this.recordName, record);
    this.kept = record;
  }
}
