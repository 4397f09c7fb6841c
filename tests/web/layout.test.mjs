// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two layouts of the one page: from 900 px wide the window's, every
// element at its window rectangle; narrower a single column that fits a
// phone, with controls big enough for a finger.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startServer, launch, openPage, siteMissing } from './harness.mjs';

let server;
before(async () => {
  if (!siteMissing) server = await startServer();
});
after(async () => server?.stop());

async function withViewport(width, height, check) {
  const browser = await launch({ width, height });
  try {
    await check(await openPage(browser.context, server.url));
  } finally {
    await browser.close();
  }
}

// Where an element stands relative to the form, in unscaled window pixels.
function windowRect(page, id) {
  return page.evaluate((id) => {
    const form = document.getElementById('form');
    const scale = parseFloat(getComputedStyle(form).zoom) || 1;
    const f = form.getBoundingClientRect();
    const r = document.getElementById(id).getBoundingClientRect();
    return [r.left - f.left, r.top - f.top, r.width, r.height].map((v) => Math.round(v / scale));
  }, id);
}

for (const width of [900, 1280]) {
  test(`at ${width} px the fields stand at their window rectangles`, { skip: siteMissing }, async () => {
    await withViewport(width, 800, async (page) => {
      const layout = await page.evaluate(() => document.getElementById('form').dataset.layout);
      const items = JSON.parse(layout).items.filter((i) => i.kind === 'field' && ['Visota', 'Profil', 'FullMassa', 'Button1'].includes(i.name));
      assert.ok(items.length >= 3);
      for (const item of items) {
        const got = await windowRect(page, item.name);
        // The Diametr-style wrappers aside, a field's own box is its rectangle (±1 px of rounding).
        got.forEach((v, i) => assert.ok(Math.abs(v - item.rect[i]) <= 1, `${item.name}: ${got} ≠ ${item.rect}`));
      }
      const wide = await page.evaluate(() => document.documentElement.scrollWidth);
      assert.ok(wide <= width, `the page scrolls sideways: ${wide} > ${width}`);
    });
  });
}

for (const width of [899, 390, 360]) {
  test(`at ${width} px one column fits the screen with touch-size controls`, { skip: siteMissing }, async () => {
    await withViewport(width, 844, async (page) => {
      const report = await page.evaluate((width) => {
        const out = { scrollWidth: document.documentElement.scrollWidth, wide: [], small: [], placed: 0 };
        for (const el of document.querySelectorAll('#form *')) {
          const r = el.getBoundingClientRect();
          if (r.width === 0 && r.height === 0) continue;
          if (getComputedStyle(el).position === 'absolute') out.placed += 1;
          if (r.right > width + 0.5 && !el.closest('.grid')) out.wide.push(el.id || el.className || el.tagName);
        }
        const touch = '#form input[type=text], #form select, #form button, #form a, #form .radio, #form .check';
        for (const el of document.querySelectorAll(touch)) {
          const r = el.getBoundingClientRect();
          if (r.height > 0 && r.height < 44) out.small.push(`${el.id || el.className}:${r.height}`);
        }
        return out;
      }, width);
      assert.ok(report.scrollWidth <= width, `scrollWidth ${report.scrollWidth} > ${width}`);
      assert.deepEqual(report.wide, []);
      assert.deepEqual(report.small, []);
      assert.equal(report.placed, 0, 'no element keeps its window position');
    });
  });
}

test('number fields ask for the decimal keyboard; every control has a name', { skip: siteMissing }, async () => {
  await withViewport(390, 844, async (page) => {
    const missing = await page.evaluate(() => {
      const out = [];
      for (const id of ['Visota', 'Wirina', 'Tolwina', 'Massa', 'NizhniyProfil', 'Diametr'])
        if (document.getElementById(id).inputMode !== 'decimal') out.push(`inputmode ${id}`);
      for (const el of document.querySelectorAll('#form input, #form select, #form table, #form button'))
        if (!el.labels?.length && !el.getAttribute('aria-label') && !el.textContent.trim()) out.push(`name ${el.id}`);
      return out;
    });
    assert.deepEqual(missing, []);
  });
});
