// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the browser calculator in headless Chromium (after
// scripts/build-site.sh): the bytes of a first visit (raw and gzip), the
// time from navigation to the first results on screen (first visit and
// cached by the service worker), and one keystroke in Visota until the
// DOM shows its result. Prints the numbers; asserts nothing.
// Usage: node bench/web/page-bench.mjs
import { readFile } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import path from 'node:path';
import { startServer, launch, openPage, SITE, siteFile } from '../../tests/web/harness.mjs';

const KEYSTROKES = 400;

function quantile(sorted, q) {
  return sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
}

async function readyTime(page) {
  return page.evaluate(() => performance.getEntriesByName('kavro-ready')[0].startTime);
}

const server = await startServer();
const browser = await launch();
try {
  // What the page asks for until its first results are shown: the
  // service worker's precache, which fills behind the page, and the
  // papers' module, fetched once the results are shown, are not waited for.
  // Told apart by when they were asked for: the test only learns that the
  // results are shown some time after, on a busy machine after the papers'
  // module was asked for.
  const requests = [];
  browser.context.on('request', (r) => {
    if (!r.serviceWorker() && new URL(r.url()).origin === new URL(server.url).origin) requests.push(r);
  });
  const page = await openPage(browser.context, server.url);
  const first = await readyTime(page);
  const shownAt = await page.evaluate((ready) => performance.timeOrigin + ready, first);
  const files = new Set(requests.filter((r) => r.timing().startTime <= shownAt).map((r) => {
    const { pathname } = new URL(r.url());
    return pathname === '/' ? '/index.html' : pathname;
  }));
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForTimeout(500); // the precache fills behind the page
  const papers = await Promise.all(['kavro-papers.js', 'kavro-papers.wasm'].map(
    async (name) => gzipSync(await readFile(path.join(SITE, siteFile(name))), { level: 9 }).length));
  let raw = 0;
  let gzip = 0;
  const firstFiles = [...files].filter((f) => f !== '/sw.js');
  for (const file of firstFiles) {
    const body = await readFile(path.join(SITE, decodeURIComponent(file)));
    raw += body.length;
    gzip += gzipSync(body, { level: 9 }).length;
  }
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  const cached = await readyTime(page);

  const times = await page.evaluate((count) => {
    const el = document.getElementById('Visota');
    el.focus();
    const out = [];
    for (let i = 0; i < count; i += 1) {
      const inputType = i % 2 ? 'deleteContentBackward' : 'insertText';
      const t0 = performance.now();
      el.dispatchEvent(new InputEvent('beforeinput', { inputType, data: i % 2 ? null : '1', cancelable: true, bubbles: true }));
      out.push(performance.now() - t0);
    }
    return out;
  }, KEYSTROKES);
  times.sort((a, b) => a - b);

  console.log(`first visit: ${firstFiles.length} files, ${raw} bytes raw, ${gzip} bytes gzip (limits 1500000 / 500000)`);
  console.log(`papers' module, fetched after the first results: ${papers[0] + papers[1]} bytes gzip (limit 1000000)`);
  console.log(`navigation to first results: ${first.toFixed(0)} ms first visit, ${cached.toFixed(0)} ms cached (limits 1000 / 300)`);
  console.log(`keystroke in Visota to DOM: median ${quantile(times, 0.5).toFixed(3)} ms, p99 ${quantile(times, 0.99).toFixed(3)} ms over ${KEYSTROKES} (limits 2 / 8)`);
} finally {
  await browser.close();
  await server.stop();
}
