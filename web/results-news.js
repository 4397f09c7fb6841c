// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tells a screen reader the results once typing has settled: the polite
// live region is written when no answer has come for a while, and only
// when what it says is new, never at every keystroke.

const SETTLE_MS = 1000;

export class ResultsNews {
  // DESCRIBE gives the results as one sentence, read from the page.
  constructor(region, describe) {
    Object.assign(this, { region, describe });
    this.timer = 0;
    this.told = describe(); // what the page shows at start is not news
  }

  changed() {
    clearTimeout(this.timer);
    this.timer = setTimeout(() => this.tell(), SETTLE_MS);
  }

  tell() {
    const text = this.describe();
    if (text === this.told) return;
    this.told = text;
    this.region.textContent = text;
  }
}

// The summary's results as a sentence: each with its caption and unit,
// then the chosen drive and the warning when it shows.
export function describeSummary(form) {
  const box = form.root.querySelector('.summary');
  if (!box) return '';
  const parts = [];
  for (const input of box.querySelectorAll('input')) {
    const unit = form.rows[input.id]?.querySelector('.unit')?.textContent ?? '';
    parts.push(`${form.captions[input.id] ?? input.id} ${input.value} ${unit}`.trim());
  }
  for (const line of box.querySelectorAll('.summary-drive, .note:not([hidden])')) parts.push(line.textContent);
  return parts.join('; ');
}
