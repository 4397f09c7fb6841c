// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two layouts of the one page: from 900 px wide the window's, every
// field at its window rectangle; narrower one column that fits a phone,
// with controls big enough for a finger.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startServer, launch, openPage, runDriver, shown, readPage, siteMissing, driverMissing } from './harness.mjs';

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
        // The grids and the maker's line scroll sideways by themselves.
        if (r.right > width + 0.5 && !el.closest('.grid, .maker')) out.push(`wide ${el.id || el.className || el.tagName}`);
        if (getComputedStyle(el).position === 'absolute' && r.width) out.push(`placed ${el.id || el.className}`);
      }
      for (const el of document.querySelectorAll('#form :is(input[type=text], select, button, a, .radio, .check)')) {
        if (el.disabled && el.readOnly) continue; // a result, shown and never touched
        const h = el.getBoundingClientRect().height;
        if (h > 0 && h < 44) out.push(`small ${el.id || el.className} ${h}`);
      }
      // The maker's logo, details and links: one line of a finger's height.
      const maker = document.querySelector('#form .maker').getBoundingClientRect().height;
      if (maker > 48) out.push(`maker ${maker} px high`);
      for (const id of ['Visota', 'Wirina', 'Tolwina', 'Massa', 'NizhniyProfil', 'Diametr'])
        if (document.getElementById(id).inputMode !== 'decimal') out.push(`inputmode ${id}`);
      for (const el of document.querySelectorAll('#form :is(input, select, table, button)'))
        if (!el.labels?.length && !el.ariaLabel && !el.textContent.trim()) out.push(`unnamed ${el.id}`);
      return out;
    });
    assert.deepEqual(faults, []);
  });
}

// The screen keypad takes the lower half of the phone: what was typed and
// its results stay above it.
test('a phone opens at its top; the width and its results stay in view while typed', { skip: siteMissing }, async () => {
  const browser = await launch({ width: 390, height: 844, touch: true });
  try {
    const page = await openPage(browser.context, server.url);
    // Seen: its middle is on the screen and nothing covers it there.
    const outside = (selectors) => page.evaluate((list) => list.filter((s) => {
      const el = document.querySelector(s);
      const r = el.getBoundingClientRect();
      return !el.contains(document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2));
    }), selectors);
    const summary = ['#FullMassa', '#Moment', '.summary-drive'];
    assert.deepEqual([await page.evaluate(() => scrollY), await outside(['#Profil', '#Diametr', '#Visota', '#Wirina', ...summary])], [0, []]);
    await page.setViewportSize({ width: 390, height: 420 });
    await page.focus('#Wirina');
    await page.keyboard.type('7');
    assert.deepEqual(await outside(['#Wirina', ...summary]), []);
    if (driverMissing) return;
    // The keypad's «.» is the decimal comma; its next key goes on by the
    // window's focus order.
    await page.keyboard.type('.');
    await page.keyboard.press('Enter');
    const driver = shown(runDriver(['focus Wirina', 'type Wirina 7', 'type Wirina ,', 'focus Massa']).at(-1));
    const { Wirina, focus } = await readPage(page);
    assert.deepEqual({ Wirina, focus }, { Wirina: driver.Wirina, focus: driver.focus });
  } finally {
    await browser.close();
  }
});
