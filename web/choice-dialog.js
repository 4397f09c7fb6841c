// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A modal question with named answers: CHOICES is [[value, label], ...],
// the last of them the safe one, focused first. Resolves to the value
// chosen; closing it any other way (Escape) is the last choice.

export function choose(dialog, text, choices) {
  dialog.querySelector('.question').textContent = text;
  const buttons = choices.map(([value, label]) => Object.assign(document.createElement('button'), { value, textContent: label }));
  dialog.querySelector('.choices').replaceChildren(...buttons);
  buttons.at(-1).autofocus = true;
  return new Promise((resolve) => {
    dialog.returnValue = '';
    dialog.addEventListener('close', () => resolve(dialog.returnValue || choices.at(-1)[0]), { once: true });
    dialog.showModal();
  });
}
