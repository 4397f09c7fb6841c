// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A modal question with a yes and a no: resolves true only when the user
// chose yes; closing it any other way (Escape) is no.

export function confirmDialog(dialog, text) {
  dialog.querySelector('.question').textContent = text;
  return new Promise((resolve) => {
    dialog.returnValue = '';
    dialog.addEventListener('close', () => resolve(dialog.returnValue === 'yes'), { once: true });
    dialog.showModal();
  });
}
