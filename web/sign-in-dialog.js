// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Вход на сервер фирмы: login and password in a real form, so that the
// browser's password manager fills them; a refusal (wrong password, too
// many tries, no connection) is told under the fields.

import { serverForm, closers } from './server-form.js';

export class SignInDialog {
  constructor(dialog, server) {
    Object.assign(this, { dialog, server });
    this.password = dialog.querySelector('#sign-in-password');
    this.clear = serverForm(dialog.querySelector('form'), async () => {
      await server.signIn(dialog.querySelector('#sign-in-login').value.trim(), this.password.value);
      this.password.value = '';
      dialog.close();
    });
    closers(dialog);
  }

  // Resolves to whether someone is signed in once the dialog closes.
  ask() {
    this.clear();
    return new Promise((resolve) => {
      this.dialog.addEventListener('close', () => resolve(this.server.signedIn), { once: true });
      this.dialog.showModal();
    });
  }
}
