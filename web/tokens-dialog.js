// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Токены (for the firm's admins): the script tokens by name, a new one
// shown once to be copied (the server keeps only its hash), one revoked.

import { serverForm, closers } from './server-form.js';

function make(tag, props = {}) {
  return Object.assign(document.createElement(tag), props);
}

export class TokensDialog {
  constructor(dialog, server) {
    Object.assign(this, { dialog, server });
    this.list = dialog.querySelector('.token-list');
    this.form = dialog.querySelector('form.token-form');
    this.made = dialog.querySelector('.token-made');
    this.value = dialog.querySelector('#token-value');
    this.clear = serverForm(this.form, () => this.add());
    dialog.querySelector('#token-copy').addEventListener('click', () => this.copy());
    // The token is not left on the screen for the next one to read.
    dialog.addEventListener('close', () => this.reveal(''));
    closers(dialog);
  }

  async show() {
    this.clear();
    await this.fill();
    if (!this.dialog.open) this.dialog.showModal();
  }

  async fill() {
    const { tokens } = await this.server.json('GET', 'tokens');
    this.list.replaceChildren(...tokens.map((t) => this.item(t)));
    if (!tokens.length) this.list.append(make('li', { textContent: 'Токенов нет.' }));
  }

  item(token) {
    const li = make('li', { textContent: `${token.name} ` });
    const revoke = make('button', { type: 'button', className: 'revoke-token', textContent: 'Отозвать' });
    revoke.setAttribute('aria-label', `Отозвать ${token.name}`);
    revoke.addEventListener('click', async () => {
      await this.server.request('DELETE', `tokens/${encodeURIComponent(token.id)}`).catch((e) => this.fail(e));
      await this.fill().catch((e) => this.fail(e));
    });
    li.append(revoke);
    return li;
  }

  async add() {
    const name = this.form.querySelector('#token-name');
    const made = await this.server.json('POST', 'tokens', { name: name.value.trim() });
    name.value = '';
    this.reveal(made.token);
    await this.fill();
  }

  reveal(token) {
    this.value.value = token;
    this.made.hidden = !token;
  }

  async copy() {
    this.value.select();
    await navigator.clipboard?.writeText(this.value.value).catch(() => {});
  }

  fail(error) {
    this.form.querySelector('.form-error').textContent = error.message;
  }
}
