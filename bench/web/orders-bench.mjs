// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the page's orders in headless Chromium (after
// scripts/build-site.sh): a 1,000-opening order (examples/house.kavro's
// openings over and over) opened from a file until its list is shown;
// switching openings until the DOM shows the other one; a keystroke in
// Visota while that order is kept, and how long until the change is in
// storage. Prints the numbers; asserts nothing.
// Usage: node bench/web/orders-bench.mjs
import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { startServer, launch, openPage, siteFile, ROOT } from '../../tests/web/harness.mjs';
import { chooseFile } from '../../tests/web/orders-harness.mjs';

const OPENINGS = 1000;
const SWITCHES = 200;
const KEYSTROKES = 400;

const quantile = (sorted, q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
const ms = (v) => `${v.toFixed(2)} ms`;

const work = await mkdtemp(path.join(tmpdir(), 'kavro-orders-bench-'));
const order = JSON.parse(await readFile(path.join(ROOT, 'examples/house.kavro'), 'utf8'));
order.openings = Array.from({ length: OPENINGS }, (_, i) => ({ ...order.openings[i % order.openings.length], location: `Проём ${i + 1}` }));
const file = path.join(work, 'big.kavro');
await writeFile(file, JSON.stringify(order, null, 2));

const server = await startServer();
const { context } = await launch({ profile: path.join(work, 'profile') });
try {
  let page;
  const opening = [];
  for (let run = 0; run < 3; run += 1) {
    page = await openPage(context, server.url);
    const started = Date.now();
    await chooseFile(page, '#order-open', file);
    // Shown: a row for each opening, those on screen with their results.
    await page.waitForSelector(`#openings tbody tr:nth-child(${OPENINGS})`, { state: 'attached' });
    await page.waitForSelector('#openings tbody tr:nth-child(1) td:nth-child(6):not(:empty)');
    opening.push(Date.now() - started);
  }

  const switches = await page.evaluate((count) => {
    const rows = document.querySelectorAll('#openings tbody tr');
    const out = [];
    for (let i = 0; i < count; i += 1) {
      const row = rows[(i * 37) % rows.length].cells[0];
      const t0 = performance.now();
      row.click(); // the form, the list and the accessories are updated before click() returns
      out.push(performance.now() - t0);
    }
    return out;
  }, SWITCHES);
  switches.sort((a, b) => a - b);

  // Keystrokes 30 ms apart, so that the saver's timer runs among them.
  const typing = await page.evaluate(async ([count, file]) => {
    const { OrderStore } = await import(`./${file}`);
    const store = await OrderStore.open();
    const el = document.getElementById('Visota');
    el.focus();
    const keys = [];
    const delays = [];
    for (let i = 0; i < count; i += 1) {
      const inputType = i % 2 ? 'deleteContentBackward' : 'insertText';
      const t0 = performance.now();
      el.dispatchEvent(new InputEvent('beforeinput', { inputType, data: i % 2 ? null : '1', cancelable: true, bubbles: true }));
      keys.push(performance.now() - t0);
      if (i % 50 === 0) {
        // When is this change in storage?
        const changedBy = Date.now();
        const id = localStorage.getItem('kavro.order.last');
        const since = performance.now();
        for (;;) {
          const record = await store.get(id);
          if (record && record.changed >= changedBy - 1) break;
          await new Promise((r) => setTimeout(r, 5));
        }
        delays.push(performance.now() - since);
      } else {
        await new Promise((r) => setTimeout(r, 30));
      }
    }
    return { keys, delays };
  }, [KEYSTROKES, siteFile('order-store.js')]);
  typing.keys.sort((a, b) => a - b);
  typing.delays.sort((a, b) => a - b);

  console.log(`${OPENINGS}-opening order opened from a file and listed: ${opening.map((t) => `${t} ms`).join(', ')} (limit 1000)`);
  console.log(`switching openings to the DOM: median ${ms(quantile(switches, 0.5))}, p99 ${ms(quantile(switches, 0.99))}, max ${ms(switches.at(-1))} over ${SWITCHES} (limit 20)`);
  console.log(`keystroke in Visota with that order kept: median ${ms(quantile(typing.keys, 0.5))}, p99 ${ms(quantile(typing.keys, 0.99))} over ${KEYSTROKES}`);
  console.log(`a change in storage after: median ${ms(quantile(typing.delays, 0.5))}, max ${ms(typing.delays.at(-1))} over ${typing.delays.length} (limit 1000)`);
} finally {
  await context.close();
  await server.stop();
  await rm(work, { recursive: true, force: true });
}
