// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a phone the order's buttons fold into one menu, so that the first
// screen holds the form; a wide screen shows them all in the bar and
// never shows the menu's button. Choosing an entry, or Escape, folds it.

export class OrderMenu {
  constructor(button, menu) {
    Object.assign(this, { button, menu });
    button.addEventListener('click', () => this.setOpen(!this.isOpen()));
    menu.addEventListener('click', (e) => {
      if (e.target.closest('button')) this.setOpen(false);
    });
    menu.addEventListener('keydown', (e) => {
      if (e.key !== 'Escape' || !this.isOpen()) return;
      this.setOpen(false);
      button.focus();
    });
  }

  isOpen() {
    return this.button.getAttribute('aria-expanded') === 'true';
  }

  setOpen(open) {
    this.button.setAttribute('aria-expanded', String(open));
    this.menu.classList.toggle('open', open);
  }
}
