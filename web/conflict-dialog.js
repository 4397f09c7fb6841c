// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A conflict the firm's server keeps, shown as the core describes it: the
// version now in the order beside the other one, field by field, the
// fields that differ marked in words and weight as well as in colour, and
// the choices the core offers for it. The page decides none of it.

function make(tag, props = {}) {
  return Object.assign(document.createElement(tag), props);
}

export class ConflictDialog {
  constructor(dialog) {
    this.dialog = dialog;
    this.differing = dialog.querySelector('.conflict-differs');
    // The fields both versions share are folded away: on a phone the
    // whole opening would push the choices a screen below what differs.
    this.same = dialog.querySelector('.conflict-same');
    this.choices = dialog.querySelector('.conflict-choices');
    dialog.querySelector('.close-dialog').addEventListener('click', () => dialog.close(''));
  }

  // Resolves to what the user keeps ('current', 'edit', 'both'), or '' when
  // they put the decision off.
  ask(view) {
    this.dialog.querySelector('.conflict-title').textContent = view.title;
    this.dialog.querySelector('.conflict-note').textContent = view.note;
    const same = view.fields.filter((field) => !field.differs);
    this.differing.replaceChildren(...view.fields.filter((field) => field.differs).map((field) => this.row(field)));
    this.same.querySelector('tbody').replaceChildren(...same.map((field) => this.row(field)));
    this.same.querySelector('summary').textContent = `Совпадающие поля: ${same.length}`;
    this.same.hidden = !same.length;
    this.same.open = false;
    const buttons = view.choices.map(({ keep, caption }) => {
      const button = make('button', { type: 'button', textContent: caption });
      button.dataset.keep = keep;
      button.addEventListener('click', () => this.dialog.close(keep));
      return button;
    });
    this.choices.replaceChildren(...buttons);
    return new Promise((resolve) => {
      this.dialog.returnValue = '';
      this.dialog.addEventListener('close', () => resolve(this.dialog.returnValue), { once: true });
      this.dialog.showModal();
    });
  }

  row({ caption, current, edit, differs }) {
    const tr = make('tr', { className: differs ? 'differs' : '' });
    const th = make('th', { scope: 'row' });
    if (differs) {
      const mark = make('span', { className: 'differs-mark', textContent: '≠ ' });
      mark.setAttribute('aria-hidden', 'true');
      th.append(mark, make('span', { className: 'visually-hidden', textContent: 'Различается: ' }));
    }
    th.append(caption);
    tr.append(th, make('td', { textContent: current }), make('td', { textContent: edit }));
    return tr;
  }
}
