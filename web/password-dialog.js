// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Сменить пароль: one's own (the current one asked again), or, for an
// admin, a person's forgotten one. Either way the server ends that
// person's other sessions.

import { serverForm, closers } from './server-form.js';

export class PasswordDialog {
  constructor(dialog, server) {
    Object.assign(this, { dialog, server });
    this.field = (id) => dialog.querySelector(`#${id}`);
    this.person = null; // { id, login } whose password an admin sets
    this.clear = serverForm(dialog.querySelector('form'), () => this.submit());
    closers(dialog);
  }

  // PERSON: set that person's password; none: change one's own.
  show(person = null) {
    this.person = person;
    const own = person === null;
    this.field('password-caption').textContent = own ? 'Сменить пароль' : `Новый пароль для ${person.login}`;
    this.field('password-login').value = own ? this.server.who?.login ?? '' : person.login;
    this.field('password-current-row').hidden = !own;
    this.field('password-current').required = own;
    for (const id of ['password-current', 'password-new']) this.field(id).value = '';
    this.clear();
    this.dialog.showModal();
  }

  async submit() {
    const password = this.field('password-new').value;
    if (this.person) await this.server.request('POST', `people/${encodeURIComponent(this.person.id)}/password`, { password });
    else await this.server.request('POST', 'me/password', { current: this.field('password-current').value, password });
    this.dialog.close();
  }
}
