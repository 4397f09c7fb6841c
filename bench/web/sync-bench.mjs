// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures a firm's order shared by two headless Chromium pages, a desktop
// (1280 px) and a phone (390 px), signed in to one firm on a real
// kavro-server (after scripts/build-site.sh and a build of kavro-server):
// (a) an edit on the desktop until the phone shows it, over EDITS edits;
// (b) a 1,000-opening order opened by its address on a new device until
// its list is shown; (c) keystrokes in Visota on the phone, 100 ms apart,
// while the desktop edits the same 1,000-opening order once a second: each
// keystroke's handling (as page-bench.mjs measures it) and how late it
// began after it was due (the main thread busy with something else).
// Three runs; prints each and the medians; asserts nothing.
// Usage: node bench/web/sync-bench.mjs   (KAVRO_PROFILE=1: the phone's
// main thread profiled during each run's (c), see main-thread-profile.mjs)
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { launch, openPage, ROOT } from '../../tests/web/harness.mjs';
import { startFirmServer, apiAs, signIn, ADMIN_PASSWORD } from '../../tests/web/firm-harness.mjs';
import { profileMainThread, printProfile } from './main-thread-profile.mjs';

const RUNS = Number(process.env.KAVRO_RUNS ?? 3);
const EDITS = 50;
const OPENINGS = 1000;
const KEYSTROKES = 200;
// A fast typist's pace.
const KEYSTROKE_GAP_MS = 100;

const quantile = (values, q) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
};
const median = (values) => quantile(values, 0.5);
const ms = (v) => `${v.toFixed(v < 10 ? 2 : 0)} ms`;

const house = readFileSync(path.join(ROOT, 'examples/house.kavro'), 'utf8');
const big = JSON.parse(house);
big.title = 'Большой заказ';
big.openings = Array.from({ length: OPENINGS }, (_, i) => ({ ...big.openings[i % big.openings.length], location: `Проём ${i + 1}` }));

async function signedIn(browser) {
  const page = await openPage(browser.context, server.url);
  await signIn(page, 'admin', ADMIN_PASSWORD);
  await page.click('#choice-dialog [value=keep]');
  await page.waitForSelector('#account-button:text("Вход: admin")', { state: 'attached' });
  return page;
}

// Opens order ID by its address; resolves once its list is shown: a row
// for every opening, the first with its results.
async function openOrder(page, id, size) {
  await page.goto(`${server.url}?order=${id}`);
  await page.waitForSelector('body[data-ready="true"]');
  await page.waitForSelector(`#openings tbody tr:nth-child(${size})`, { state: 'attached', timeout: 30000 });
  await page.waitForSelector('#openings tbody tr:nth-child(1) td:nth-child(6):not(:empty)', { state: 'attached' });
}

// Looked at every 5 ms in the page (the page's policy lets no test code be
// evaluated from text, as waitForFunction's polling would).
const titleIs = (page, title) => page.evaluate((t) => new Promise((resolve, reject) => {
  const until = performance.now() + 10000;
  const look = () => {
    if (document.getElementById('order-title').value === t) resolve();
    else if (performance.now() > until) reject(new Error(`the title did not become «${t}»`));
    else setTimeout(look, 5);
  };
  look();
}), title);

async function editShown(desk, hand, run) {
  const times = [];
  for (let i = 0; i < EDITS; i += 1) {
    const title = `Дом Ивановых, прогон ${run}, правка ${i}`;
    const started = Date.now();
    await desk.fill('#order-title', title);
    await desk.press('#order-title', 'Tab'); // typed and left, as a user does
    await titleIs(hand, title);
    times.push(Date.now() - started);
    await desk.waitForTimeout(100);
  }
  return times;
}

// Keystrokes at a steady pace on the phone while the desktop edits.
async function typingUnderEdits(desk, hand, run, others = true) {
  let editing = others;
  const edits = (async () => {
    for (let i = 0; editing; i += 1) {
      await desk.fill('#order-title', `Большой заказ, прогон ${run}, правка ${i}`);
      await desk.press('#order-title', 'Tab');
      await desk.waitForTimeout(1000);
    }
  })();
  const measured = await hand.evaluate(([count, gap]) => new Promise((resolve) => {
    const el = document.getElementById('Visota');
    el.focus();
    const handling = [];
    const late = [];
    const start = performance.now();
    const key = (i) => {
      late.push(performance.now() - (start + i * gap));
      const inputType = i % 2 ? 'deleteContentBackward' : 'insertText';
      const t0 = performance.now();
      el.dispatchEvent(new InputEvent('beforeinput', { inputType, data: i % 2 ? null : '1', cancelable: true, bubbles: true }));
      handling.push(performance.now() - t0);
      if (i + 1 < count) setTimeout(() => key(i + 1), Math.max(0, start + (i + 1) * gap - performance.now()));
      else resolve({ handling, late });
    };
    key(0);
  }), [KEYSTROKES, KEYSTROKE_GAP_MS]);
  editing = false;
  await edits;
  return measured;
}

const server = await startFirmServer();
const results = [];
try {
  const admin = await apiAs(server.url, 'admin', ADMIN_PASSWORD);
  for (let run = 1; run <= RUNS; run += 1) {
    const small = (await admin('POST', `orders?edit=bench-house-${run}`, house)).id;
    const large = (await admin('POST', `orders?edit=bench-big-${run}`, JSON.stringify(big))).id;
    const office = await launch();
    const phone = await launch({ width: 390, height: 844, touch: true });
    try {
      const desk = await signedIn(office);
      const hand = await signedIn(phone);
      await openOrder(desk, small, JSON.parse(house).openings.length);
      await openOrder(hand, small, JSON.parse(house).openings.length);
      const shown = await editShown(desk, hand, run);

      // A new device: the phone's own context is fresh but for the sign-in.
      const started = Date.now();
      await openOrder(hand, large, OPENINGS);
      const arrival = Date.now() - started;

      await openOrder(desk, large, OPENINGS);
      const alone = await typingUnderEdits(desk, hand, run, false);
      console.log(`run ${run}: keystroke with no other edits p50 ${ms(quantile(alone.handling, 0.5))} p99 ${ms(quantile(alone.handling, 0.99))}, `
        + `begun late p50 ${ms(quantile(alone.late, 0.5))} p99 ${ms(quantile(alone.late, 0.99))}`);
      const profiling = process.env.KAVRO_PROFILE ? await profileMainThread(hand) : null;
      const { handling, late } = await typingUnderEdits(desk, hand, run);
      if (profiling) printProfile(await profiling.stop());
      const figures = {
        shownP50: quantile(shown, 0.5), shownP95: quantile(shown, 0.95), arrival,
        keyP50: quantile(handling, 0.5), keyP99: quantile(handling, 0.99),
        lateP50: quantile(late, 0.5), lateP99: quantile(late, 0.99),
      };
      results.push(figures);
      console.log(`run ${run}: edit shown p50 ${ms(figures.shownP50)} p95 ${ms(figures.shownP95)}; `
        + `${OPENINGS} openings shown on a new device ${ms(arrival)}; keystroke under edits `
        + `p50 ${ms(figures.keyP50)} p99 ${ms(figures.keyP99)}, begun late p50 ${ms(figures.lateP50)} p99 ${ms(figures.lateP99)}`);
    } finally {
      await office.close();
      await phone.close();
    }
  }
  const of = (key) => ms(median(results.map((r) => r[key])));
  console.log(`medians of ${RUNS} runs: an edit shown in the other browser p50 ${of('shownP50')}, p95 ${of('shownP95')} (target p95 < 1 s); `
    + `${OPENINGS} openings shown on a new device ${of('arrival')} (target < 2 s); `
    + `keystroke while the other edits once a second p50 ${of('keyP50')}, p99 ${of('keyP99')} (target p99 < 8 ms), `
    + `begun late p50 ${of('lateP50')}, p99 ${of('lateP99')}`);
} finally {
  await server.stop();
}
