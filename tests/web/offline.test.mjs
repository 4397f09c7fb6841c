// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// After one visit the page opens and computes with the server gone, and
// the page itself asks for nothing beyond its own files.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { startServer, launch, openPage, lastDump, siteMissing, driverMissing } from './harness.mjs';

const skip = siteMissing || driverMissing;

test('reloads and computes with the server stopped', { skip }, async () => {
  const server = await startServer();
  const browser = await launch();
  try {
    let page = await openPage(browser.context, server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await server.stop();
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]', { timeout: 20000 });
    assert.equal(await page.evaluate(() => !!navigator.serviceWorker.controller), true);
    await page.focus('#Visota');
    await page.keyboard.press('Control+A');
    await page.keyboard.type('3100');
    const { dump } = lastDump(['focus Visota', 'selectall Visota', 'type Visota 3100']);
    for (const f of ['FullMassa', 'Moment', 'Oboroti', 'Vremya'])
      assert.equal(await page.inputValue(`#${f}`), dump[f].text, f);
    // The report page is precached too.
    page = await browser.context.newPage();
    await page.goto(`${server.url}report.html`);
    assert.equal(await page.isVisible('#print'), true);
  } finally {
    await browser.close();
    await server.stop();
  }
});

test('no request leaves the page\'s own server', { skip }, async () => {
  const server = await startServer();
  const browser = await launch();
  const requests = [];
  browser.context.on('request', (r) => requests.push(r.url()));
  try {
    const page = await openPage(browser.context, server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.focus('#Visota');
    await page.keyboard.type('5');
    await page.selectOption('#Profil', { index: 1 });
    await page.click('#Spisok tr:nth-child(2) > :nth-child(1)');
    await page.click('#TabControl1-1');
    const origin = new URL(server.url).origin;
    const foreign = requests.filter((u) => !u.startsWith(`${origin}/`) && !u.startsWith('data:') && !u.startsWith('blob:'));
    assert.deepEqual(foreign, []);
    assert.ok(requests.length > 3, 'the requests were counted');
    const afterLoad = requests.length;
    await page.keyboard.type('1');
    assert.equal(requests.length, afterLoad, 'typing makes no request');
  } finally {
    await browser.close();
    await server.stop();
  }
});
