// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The report button opens the printable report; printed, it holds every
// word of the report as often as the report does: nothing lost, nothing
// printed twice.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { startServer, launch, openPage, siteMissing } from './harness.mjs';

function wordCounts(text) {
  const counts = new Map();
  for (const word of text.split(/\s+/).filter(Boolean)) counts.set(word, (counts.get(word) ?? 0) + 1);
  return [...counts.entries()].sort(([a], [b]) => (a < b ? -1 : 1));
}

test('the printed report holds every report line once', { skip: siteMissing }, async (t) => {
  const server = await startServer();
  const browser = await launch();
  const dir = await mkdtemp(path.join(tmpdir(), 'kavro-report-'));
  try {
    const page = await openPage(browser.context, server.url);
    const answer = await page.evaluate(() => new Promise((resolve) => {
      const open = window.open;
      window.open = (...a) => { resolve('opened'); return open.apply(window, a); };
      setTimeout(() => resolve('not opened'), 5000);
      document.getElementById('Button1').click();
    }));
    if (answer !== 'opened') return t.skip('the core gives no report here');
    const report = await browser.context.waitForEvent('page', { predicate: (p) => p.url().endsWith('report.html') });
    await report.waitForSelector('body[data-ready="true"]');
    const text = await report.evaluate(() => document.getElementById('report').innerText);
    assert.ok(text.trim().length > 0, 'the report is empty');
    const pdf = path.join(dir, 'report.pdf');
    await report.pdf({ path: pdf, format: 'A4', printBackground: true });
    const read = spawnSync('pdftotext', ['-enc', 'UTF-8', pdf, '-'], { encoding: 'utf8' });
    assert.equal(read.status, 0, read.stderr);
    assert.deepEqual(wordCounts(read.stdout), wordCounts(text));
    assert.equal(read.stdout.includes(await report.textContent('#print')), false, 'the print button is printed');
  } finally {
    await browser.close();
    await server.stop();
    await rm(dir, { recursive: true, force: true });
  }
});
