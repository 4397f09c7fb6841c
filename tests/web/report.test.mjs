// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// «Печать» opens the printable report; printed, it holds every
// word of the report as often as the report does: nothing lost, nothing
// printed twice, the page's own button not at all.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync, existsSync } from 'node:fs';
import path from 'node:path';
import { startServer, launch, openPage, siteMissing, siteFile, SITE } from './harness.mjs';

// A core built without its HTML report refuses the button in these words.
const wasm = path.join(SITE, siteFile('kavro-core.wasm'));
const noReport = existsSync(wasm) && readFileSync(wasm).includes('report is not available') && 'the core gives no report in this build';

const words = (text) => text.split(/\s+/).filter(Boolean).sort();

test('the printed report holds every report line once', { skip: siteMissing || noReport }, async () => {
  const server = await startServer();
  const browser = await launch();
  try {
    const page = await openPage(browser.context, server.url);
    const opened = browser.context.waitForEvent('page', { timeout: 10000 });
    await page.click('#report-print');
    const report = await opened;
    await report.waitForSelector('body[data-ready="true"]');
    const text = await report.evaluate(() => document.getElementById('report').innerText);
    assert.notEqual(text.trim(), '');
    const pdf = await report.pdf({ format: 'A4' });
    const read = spawnSync('pdftotext', ['-enc', 'UTF-8', '-', '-'], { input: pdf, encoding: 'utf8' });
    assert.equal(read.status, 0, read.stderr);
    assert.deepEqual(words(read.stdout), words(text));
  } finally {
    await browser.close();
    await server.stop();
  }
});
