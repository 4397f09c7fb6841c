// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One firm's order open in two browsers, a desktop and a phone, against a
// real kavro-server: a change made on one shows on the other without a
// reload, and a change made on the phone while it is cut off from the
// network reaches the desktop once it is back.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { launch, openPage, siteMissing, ROOT } from './harness.mjs';
import { startFirmServer, serverMissing, apiAs, signIn, ADMIN_PASSWORD } from './firm-harness.mjs';

const skip = siteMissing || serverMissing;
let server;
let house;
before(async () => {
  if (skip) return;
  server = await startFirmServer();
  const admin = await apiAs(server.url, 'admin', ADMIN_PASSWORD);
  house = (await admin('POST', 'orders?edit=house', readFileSync(path.join(ROOT, 'examples/house.kavro')))).id;
});
after(async () => server?.stop());

async function openShared(browser) {
  const page = await openPage(browser.context, server.url);
  await signIn(page, 'admin', ADMIN_PASSWORD);
  await page.click('#choice-dialog [value=keep]');
  await page.waitForSelector('#account-button:text("Вход: admin")', { state: 'attached' });
  await page.goto(`${server.url}?order=${house}`);
  await page.waitForSelector('body[data-ready="true"]');
  await page.waitForFunction(() => document.getElementById('order-title').value.startsWith('Дом Ивановых'));
  return page;
}

async function titled(page, title) {
  for (let i = 0; (await page.inputValue('#order-title')) !== title; i += 1) {
    assert.ok(i < 100, `the title did not become «${title}»: «${await page.inputValue('#order-title')}»`);
    await page.waitForTimeout(100);
  }
}

test('a change on one browser shows on the other, and one made offline arrives once back', { skip }, async () => {
  const office = await launch();
  const phone = await launch({ width: 390, height: 844, touch: true });
  try {
    const desk = await openShared(office);
    const hand = await openShared(phone);

    await desk.fill('#order-title', 'Дом Ивановых, замер 2');
    await desk.press('#order-title', 'Tab'); // typed and left: shown anew elsewhere
    await titled(hand, 'Дом Ивановых, замер 2');

    await phone.context.setOffline(true);
    await hand.click('#menu-button'); // the phone keeps the order's title in its menu
    await hand.fill('#order-title', 'Дом Ивановых, замер в подвале');
    await hand.waitForTimeout(1000); // kept on the phone, not sent
    assert.equal(await desk.inputValue('#order-title'), 'Дом Ивановых, замер 2');
    await phone.context.setOffline(false);
    await titled(desk, 'Дом Ивановых, замер в подвале');
  } finally {
    await office.close();
    await phone.close();
  }
});
