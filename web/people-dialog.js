// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Сотрудники (for the firm's admins): the firm's people, a person added
// (login, name, admin or not) with a first password, a forgotten password set anew, a person disabled
// (their sessions end: a lost phone is signed out), after a confirmation.

import { serverForm, closers } from './server-form.js';
import { choose } from './choice-dialog.js';

const ROLE = { admin: 'администратор', member: 'сотрудник' };

function make(tag, props = {}) {
  return Object.assign(document.createElement(tag), props);
}

export class PeopleDialog {
  // PASSWORD is the password dialog; CHOICE the dialog of questions.
  constructor(dialog, { server, password, choice }) {
    Object.assign(this, { dialog, server, password, choice });
    this.rows = dialog.querySelector('.people-list tbody');
    this.form = dialog.querySelector('form.person-form');
    this.clear = serverForm(this.form, () => this.add());
    closers(dialog);
  }

  async show() {
    this.clear();
    await this.fill();
    if (!this.dialog.open) this.dialog.showModal();
  }

  async fill() {
    const { people } = await this.server.json('GET', 'people');
    this.rows.replaceChildren(...people.map((p) => this.row(p)));
  }

  row(person) {
    const tr = make('tr');
    tr.dataset.login = person.login;
    const state = person.disabled ? 'отключён' : ROLE[person.role] ?? person.role;
    const actions = make('td');
    if (!person.disabled) {
      const reset = make('button', { type: 'button', className: 'reset-password', textContent: 'Новый пароль' });
      reset.setAttribute('aria-label', `Новый пароль для ${person.login}`);
      reset.addEventListener('click', () => this.password.show(person));
      const off = make('button', { type: 'button', className: 'disable-person', textContent: 'Отключить' });
      off.setAttribute('aria-label', `Отключить ${person.login}`);
      off.addEventListener('click', () => this.guard(() => this.disable(person)));
      actions.append(reset, off);
    }
    tr.append(make('td', { textContent: person.login }), make('td', { textContent: person.name ?? '' }),
      make('td', { textContent: state }), actions);
    return tr;
  }

  async add() {
    const field = (id) => this.form.querySelector(`#${id}`);
    await this.server.request('POST', 'people', {
      login: field('person-login').value.trim(), name: field('person-name').value.trim(),
      password: field('person-password').value,
      role: field('person-admin').checked ? 'admin' : 'member',
    });
    this.form.reset();
    await this.fill();
  }

  async disable(person) {
    const sure = await choose(this.choice, `Отключить ${person.login}? Все его сеансы завершатся, войти он больше не сможет.`,
      [['yes', 'Отключить'], ['no', 'Отмена']]);
    if (sure !== 'yes') return;
    await this.server.request('POST', `people/${encodeURIComponent(person.id)}/disable`);
    await this.fill();
  }

  async guard(step) {
    try {
      await step();
    } catch (error) {
      this.form.querySelector('.form-error').textContent = error.message;
    }
  }
}
