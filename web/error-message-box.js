// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The message box of a conversion error: modal, closed by the user; the
// focus returns to where the state has it.

export class ErrorMessageBox {
  constructor(dialog) {
    this.dialog = dialog;
    this.text = dialog.querySelector('#message-text');
    this.after = null;
    dialog.addEventListener('close', () => {
      const after = this.after;
      this.after = null;
      after?.();
    });
  }

  // Open until its close has been handled: the browser hands the focus
  // back before the close event, and that focus must not count as the
  // user's (it would run the failing exit handler again).
  get open() {
    return this.dialog.open || this.after !== null;
  }

  show(message, after) {
    this.text.textContent = message ?? '';
    this.after = after ?? (() => {});
    if (!this.dialog.open) this.dialog.showModal();
  }
}
