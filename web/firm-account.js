// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as a member of the firm: the menu's entry (Войти, or who is
// signed in), the account's dialog with what the person may do, and what
// signing in and out bring. Signed in, the firm's papers come from its
// server; at the first sign-in in this browser the orders it kept are
// offered to the firm; `?order=ID` opens that firm's order, after a
// sign-in when needed. Signing out takes the firm's data off the browser,
// and refuses while edits wait to be sent unless they are saved to files
// first.

import { choose } from './choice-dialog.js';
import { closers } from './server-form.js';
import { saveFile } from './file-access.js';
import { NOT_SIGNED_IN } from './firm-server.js';
import { FirmOrders } from './firm-orders.js';
import { FirmPapers } from './firm-papers.js';
import { SignInDialog } from './sign-in-dialog.js';
import { PasswordDialog } from './password-dialog.js';
import { PeopleDialog } from './people-dialog.js';
import { TokensDialog } from './tokens-dialog.js';

const OFFERED = 'kavro.firm.offered';
const ORDER_FILE = { description: 'Заказы KAVRO', extensions: ['.kavro'], mime: 'application/json' };

const $ = (id) => document.getElementById(id);

function flag(key, set = false) {
  try {
    if (set) localStorage.setItem(key, '1');
    return localStorage.getItem(key) === '1';
  } catch {
    return false;
  }
}

export class FirmAccount {
  // DIALOGS: { signIn, password, people, tokens } of the server's screens;
  // ORDERS the firm's orders; PAPERS the firm's papers; OPENED tells the
  // page that another order is open; MESSAGE shows what went wrong.
  constructor({ server, dialogs, orders, papers, choice, message, opened }) {
    Object.assign(this, { server, dialogs, orders, papers, choice, message, opened });
    this.button = $('account-button');
    this.dialog = $('account-dialog');
    this.wasSignedIn = false;
    const on = (id, step) => $(id).addEventListener('click', () => this.guard(step));
    on('account-button', () => (server.signedIn ? this.show() : this.signIn()));
    on('password-button', () => dialogs.password.show());
    on('people-button', () => dialogs.people.show());
    on('tokens-button', () => dialogs.tokens.show());
    on('upload-kept', () => this.uploadKept());
    on('sign-out-button', () => this.signOut());
    closers(this.dialog);
    server.onChange(() => this.update());
  }

  // The server's screens around the page's ORDER page, its FIRM dialog and
  // QUOTATION papers, the papers' STORE.
  static build({ server, calc, store, firm, quotation, page, message }) {
    const choice = $('choice-dialog');
    const password = new PasswordDialog($('password-dialog'), server);
    const dialogs = {
      signIn: new SignInDialog($('sign-in-dialog'), server), password,
      people: new PeopleDialog($('people-dialog'), { server, password, choice }),
      tokens: new TokensDialog($('tokens-dialog'), server),
    };
    const orders = new FirmOrders({ server, keeper: page.keeper });
    page.orders.firm = orders;
    const papers = new FirmPapers({ server, calc, store, firm, quotation });
    return new FirmAccount({ server, dialogs, orders, papers, choice, message, opened: () => (page.handle = null) });
  }

  async guard(step) {
    try {
      await step();
    } catch (error) {
      this.message.show(error?.message ?? String(error));
    }
  }

  // Before the papers are brought back: signed in, they are the firm's.
  async prepare() {
    if (this.server.signedIn) this.papers.use();
    this.update();
  }

  // Once the page has started: the firm's papers fetched afresh, and the
  // order the address names opened.
  async start() {
    if (!this.server.present) return;
    if (this.server.signedIn && this.server.online) this.refresh();
    const wanted = new URLSearchParams(location.search).get('order');
    if (!wanted) return;
    if (!this.server.signedIn && !(await this.signIn())) return;
    await this.guard(async () => {
      await this.orders.open(wanted);
      this.opened();
    });
  }

  refresh() {
    this.papers.pull().catch((error) => error.status === 0 || this.message.show(error.message));
  }

  update() {
    const { present, signedIn, who, admin } = this.server;
    this.button.hidden = !present;
    this.button.textContent = signedIn ? `Вход: ${who.login}` : 'Войти';
    for (const admins of this.dialog.querySelectorAll('.admin-only')) admins.hidden = !admin;
    // A session ended by the server (disabled, expired) is told once.
    if (this.wasSignedIn && !signedIn && this.server.present && !this.signingOut) this.message.show(NOT_SIGNED_IN);
    this.wasSignedIn = signedIn;
  }

  show() {
    const { who } = this.server;
    $('account-who').textContent = `Вы вошли как ${who.login} (${who.role === 'admin' ? 'администратор' : 'сотрудник'}).`;
    $('account-pending').textContent = `Ждут отправки на сервер: ${this.server.pending.count()}.`;
    this.dialog.showModal();
  }

  // Resolves to whether someone is signed in after.
  async signIn() {
    if (!(await this.dialogs.signIn.ask())) return false;
    this.papers.use();
    this.refresh();
    if (!flag(OFFERED)) await this.offerMove();
    return true;
  }

  async offerMove() {
    const mine = (await this.orders.keeper.list()).filter((o) => !o.firm);
    flag(OFFERED, true);
    if (!mine.length) return;
    const answer = await choose(this.choice,
      `В этом браузере сохранено заказов: ${mine.length}. Перенести их на сервер фирмы, чтобы с ними работали все?`,
      [['move', 'Перенести'], ['keep', 'Оставить в браузере']]);
    if (answer !== 'move') return;
    const faults = await this.orders.moveKept();
    this.opened();
    if (faults.length) this.message.show(`Не перенесены:\n${faults.join('\n')}`);
  }

  async uploadKept() {
    const kept = await this.papers.keptBefore();
    if (!kept.firm && !kept.prices) return this.message.show('В этом браузере нет своих реквизитов и прайс-листа.');
    await this.papers.uploadKept();
    this.message.show('Реквизиты и прайс-лист этого браузера отправлены на сервер фирмы.');
  }

  // Edits not yet sent are not dropped with the firm's data: either the
  // user stays signed in, or they are saved to files first.
  async signOut() {
    const waiting = this.server.pending.count();
    if (waiting > 0) {
      const answer = await choose(this.choice,
        `Правок, ещё не отправленных на сервер: ${waiting}. При выходе они будут удалены из браузера.`,
        [['save', 'Сохранить заказы в файлы и выйти'], ['stay', 'Не выходить']]);
      if (answer !== 'save' || !(await this.saveWaiting())) return;
    }
    this.signingOut = true;
    await this.server.signOut();
    await this.orders.forget();
    await this.papers.forget();
    // Started afresh on the browser's own orders and papers.
    location.replace(location.pathname);
  }

  // False when the user cancelled a save.
  async saveWaiting() {
    for (const id of this.server.pending.orders()) {
      const record = await this.orders.store.get(id);
      if (!record) continue;
      const saved = await saveFile(record.data, { ...ORDER_FILE, name: `${record.title || 'Заказ'}.kavro` });
      if (saved === undefined) return false;
    }
    return true;
  }
}
