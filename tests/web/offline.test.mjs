// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// After one visit the page opens and computes with the server gone, and
// no request it makes leaves its own server.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { startServer, launch, openPage, runDriver, siteMissing, driverMissing } from './harness.mjs';

test('reloads and computes offline; asks nothing of another host', { skip: siteMissing || driverMissing }, async () => {
  const server = await startServer();
  const browser = await launch();
  const requests = [];
  browser.context.on('request', (r) => requests.push(r.url()));
  try {
    let page = await openPage(browser.context, server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.selectOption('#Profil', { index: 1 });
    await page.click('#TabControl1-1');
    await server.stop();
    await page.reload();
    await page.waitForSelector('body[data-ready="true"]');
    await page.focus('#Visota');
    await page.keyboard.press('Control+A');
    await page.keyboard.type('3100');
    const dump = runDriver(['focus Visota', 'selectall Visota', 'type Visota 3100']).at(-1);
    for (const f of ['FullMassa', 'Moment', 'Oboroti', 'Vremya']) assert.equal(await page.inputValue(`#${f}`), dump[f].text, f);
    page = await browser.context.newPage();
    await page.goto(`${server.url}report.html`);
    assert.equal(await page.isVisible('#print'), true, 'the report page is cached too');
    assert.ok(requests.length > 5);
    assert.deepEqual(requests.filter((u) => !u.startsWith(server.url)), []);
  } finally {
    await browser.close();
    await server.stop();
  }
});

test('offline the kept order comes back and its list, parts list and report work', { skip: siteMissing }, async () => {
  const server = await startServer();
  const browser = await launch();
  try {
    let page = await openPage(browser.context, server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.fill('#order-title', 'Без сети');
    await page.click('#opening-add');
    await server.stop();
    await page.goto(server.url);
    await page.waitForSelector('body[data-ready="true"]');
    assert.equal(await page.inputValue('#order-title'), 'Без сети');
    await page.click('#opening-copy');
    assert.equal(await page.locator('#openings tbody tr').count(), 3);
    await page.click('#screens [data-screen="parts"]');
    assert.ok((await page.locator('#parts-list tbody tr').count()) > 0, 'the parts list is worked out');
    const opened = browser.context.waitForEvent('page');
    await page.click('#order-report-print');
    page = await opened;
    await page.waitForSelector('body[data-ready="true"]');
    assert.match(await page.textContent('#report'), /Без сети/);
  } finally {
    await browser.close();
    await server.stop();
  }
});
