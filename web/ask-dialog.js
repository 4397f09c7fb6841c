// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A modal question of one line of text, as the window's askText: resolves
// to the text typed, or null when the user cancelled (Отмена, Escape).

export function askText(dialog, { title, label, text }) {
  dialog.querySelector('.ask-title').textContent = title;
  dialog.querySelector('.ask-label').textContent = label;
  const input = dialog.querySelector('.ask-input');
  input.value = text;
  return new Promise((resolve) => {
    dialog.returnValue = '';
    dialog.addEventListener('close', () => resolve(dialog.returnValue === 'ok' ? input.value : null), { once: true });
    dialog.showModal();
    input.select();
  });
}
