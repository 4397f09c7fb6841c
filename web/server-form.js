// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A form of the server's screens: submitting it runs STEP instead of
// leaving the page (a real form, so that the browser's password manager
// offers and saves what it holds); a refusal is told in the form's own
// error line, which the reader announces, and the form stays as filled.

export function serverForm(form, step) {
  const error = form.querySelector('.form-error');
  form.addEventListener('submit', async (e) => {
    e.preventDefault();
    error.textContent = '';
    const submit = form.querySelector('[type=submit]');
    submit.disabled = true;
    try {
      await step();
    } catch (failure) {
      error.textContent = failure?.message ?? String(failure);
    } finally {
      submit.disabled = false;
    }
  });
  return () => (error.textContent = '');
}

// Closes its dialog from a form's Отмена, which cannot be a dialog form's.
export function closers(dialog) {
  for (const button of dialog.querySelectorAll('.close-dialog'))
    button.addEventListener('click', () => dialog.close());
}
