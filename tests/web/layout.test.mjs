// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two layouts of the one page: from 900 px wide the window's, every
// field at its window rectangle; narrower one column that fits a phone,
// with controls big enough for a finger.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startServer, launch, openPage, siteMissing } from './harness.mjs';

let server;
before(async () => { if (!siteMissing) server = await startServer(); });
after(async () => server?.stop());

async function measure(width, read) {
  const browser = await launch({ width, height: 844 });
  try {
    return await (await openPage(browser.context, server.url)).evaluate(read, width);
  } finally {
    await browser.close();
  }
}

test('at 900 px every field stands at its window rectangle', { skip: siteMissing }, async () => {
  const misplaced = await measure(900, (width) => {
    const form = document.getElementById('form');
    const scale = parseFloat(getComputedStyle(form).zoom) || 1;
    const f = form.getBoundingClientRect();
    const out = document.documentElement.scrollWidth > width ? ['scrolls sideways'] : [];
    for (const item of JSON.parse(form.dataset.layout).items.filter((i) => i.kind === 'field')) {
      // The box placed for it: the field, or its check box's label, or its combo.
      const r = document.getElementById(item.name)?.closest('.placed')?.getBoundingClientRect();
      if (r?.width === 0) continue; // hidden now
      const got = r ? [r.left - f.left, r.top - f.top, r.width, r.height].map((v) => Math.round(v / scale)) : [];
      if (!r || got.some((v, i) => Math.abs(v - item.rect[i]) > 1)) out.push(`${item.name} ${got} ≠ ${item.rect}`);
    }
    return out;
  });
  assert.deepEqual(misplaced, []);
});

for (const width of [899, 390, 360]) {
  test(`at ${width} px one column fits the screen with touch-size controls`, { skip: siteMissing }, async () => {
    const faults = await measure(width, (width) => {
      const out = document.documentElement.scrollWidth > width ? [`scrollWidth ${document.documentElement.scrollWidth}`] : [];
      for (const el of document.querySelectorAll('#form *')) {
        const r = el.getBoundingClientRect();
        if (r.right > width + 0.5 && !el.closest('.grid')) out.push(`wide ${el.id || el.className || el.tagName}`);
        if (getComputedStyle(el).position === 'absolute' && r.width) out.push(`placed ${el.id || el.className}`);
      }
      for (const el of document.querySelectorAll('#form :is(input[type=text], select, button, a, .radio, .check)')) {
        const h = el.getBoundingClientRect().height;
        if (h > 0 && h < 44) out.push(`small ${el.id || el.className} ${h}`);
      }
      for (const id of ['Visota', 'Wirina', 'Tolwina', 'Massa', 'NizhniyProfil', 'Diametr'])
        if (document.getElementById(id).inputMode !== 'decimal') out.push(`inputmode ${id}`);
      for (const el of document.querySelectorAll('#form :is(input, select, table, button)'))
        if (!el.labels?.length && !el.ariaLabel && !el.textContent.trim()) out.push(`unnamed ${el.id}`);
      return out;
    });
    assert.deepEqual(faults, []);
  });
}
