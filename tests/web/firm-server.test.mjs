// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page served by a real kavro-server: signing in (a wrong password
// told, the orders this browser kept moved to the firm), the firm's
// orders and papers, an order opened by its address, a person added who
// signs in elsewhere and is signed out there once disabled, and signing
// out taking the firm's data off the browser. Served as a static site, the
// page shows none of it.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { startServer, launch, openPage, siteMissing, ROOT } from './harness.mjs';
import { startFirmServer, serverMissing, apiAs, signIn, press, ADMIN_PASSWORD } from './firm-harness.mjs';

const skip = siteMissing || serverMissing;
let server;
let admin; // the API as the admin, for what the test sets up
let house; // the id of an order pushed by a script
before(async () => {
  if (skip) return;
  server = await startFirmServer();
  admin = await apiAs(server.url, 'admin', ADMIN_PASSWORD);
  house = (await admin('POST', 'orders?edit=house', readFileSync(path.join(ROOT, 'examples/house.kavro')))).id;
  await admin('PUT', 'firm', JSON.stringify({ format: 'kavro-firm', version: 1, name: 'ООО «Ставни»' }));
});
after(async () => server?.stop());

// The firm's records in this browser's storage.
const firmData = (page) => page.evaluate(async () => {
  const all = (name, store) => new Promise((resolve) => {
    indexedDB.open(name).onsuccess = (e) => {
      e.target.result.transaction(store).objectStore(store).getAllKeys().onsuccess = (r) => resolve(r.target.result);
    };
  });
  const orders = await new Promise((resolve) => {
    indexedDB.open('kavro-orders').onsuccess = (e) => {
      e.target.result.transaction('orders').objectStore('orders').getAll().onsuccess = (r) => resolve(r.target.result);
    };
  });
  return { orders: orders.filter((o) => o.firm).map((o) => o.id), papers: (await all('kavro-papers', 'papers')).filter((k) => k.startsWith('server-')) };
});

const firmName = async (page) => {
  await press(page, '#firm-button');
  const name = await page.inputValue('#firmName');
  await page.click('#firm-dialog [value=cancel]');
  return name;
};

test('a static site shows nothing of a firm', { skip: siteMissing }, async () => {
  const site = await startServer();
  const browser = await launch();
  try {
    const page = await openPage(browser.context, site.url);
    assert.equal(await page.isHidden('#account-button'), true);
  } finally {
    await browser.close();
    await site.stop();
  }
});

test('signed in, the page works on the firm\'s orders and papers until signed out', { skip }, async () => {
  const browser = await launch();
  try {
    const page = await openPage(browser.context, server.url);
    await page.fill('#order-title', 'Дача'); // kept in this browser before any sign-in
    await page.click('#orders-button');
    await page.click('#orders-dialog [value=close]');

    await signIn(page, 'admin', 'wrong-password');
    await page.waitForSelector('#sign-in-dialog .form-error:text("Неверный логин или пароль")');
    await page.fill('#sign-in-password', ADMIN_PASSWORD);
    await page.click('#sign-in-dialog [type=submit]');
    await page.click('#choice-dialog [value=move]');
    await page.waitForSelector('#account-button:text("Вход: admin")');
    await page.waitForFunction(() => !document.querySelector('#choice-dialog[open]'));
    for (let i = 0; (await firmData(page)).papers.length < 2; i += 1) {
      assert.ok(i < 100, 'the firm\'s papers were not fetched');
      await page.waitForTimeout(100);
    }
    assert.equal(await firmName(page), 'ООО «Ставни»');

    await page.click('#orders-button');
    await page.waitForSelector('.firm-order .open-firm:text("Дача")');
    assert.equal(await page.locator('.firm-order').count(), 2, 'the pushed order and the moved one');
    assert.match(await page.textContent(`.firm-order[data-id="${house}"]`), /admin, /);
    assert.match(await page.textContent('.stored-orders'), /нет сохранённых заказов/);
    await page.click('#orders-dialog [value=close]');

    // An order's address opens it, fetched from the server.
    await page.goto(`${server.url}?order=${house}`);
    await page.waitForSelector('body[data-ready="true"]');
    await page.waitForFunction(() => document.getElementById('order-title').value === 'Дом Ивановых, ул. Садовая 5');
    assert.ok((await firmData(page)).orders.includes(house));

    await press(page, '#account-button');
    await Promise.all([page.waitForNavigation(), page.click('#sign-out-button')]);
    await page.waitForSelector('body[data-ready="true"] #account-button:text("Войти")');
    assert.deepEqual(await firmData(page), { orders: [], papers: [] });
    assert.equal(await firmName(page), '');
  } finally {
    await browser.close();
  }
});

test('a person the admin adds signs in on a phone and is signed out when disabled', { skip }, async () => {
  const office = await launch();
  const phone = await launch({ width: 390, height: 844, touch: true });
  try {
    const desk = await openPage(office.context, server.url);
    // Each browser's first sign-in offers the order it keeps to the firm.
    await signIn(desk, 'admin', ADMIN_PASSWORD);
    await desk.click('#choice-dialog [value=keep]');
    await desk.waitForSelector('#account-button:text("Вход: admin")');
    await press(desk, '#account-button');
    await desk.click('#people-button');
    await desk.fill('#person-login', 'ann');
    await desk.fill('#person-name', 'Анна Петрова');
    await desk.fill('#person-password', 'ann-password-1');
    await desk.click('.person-form [type=submit]');
    await desk.waitForSelector('.people-list tr[data-login="ann"] td:text("Анна Петрова")');

    const hand = await openPage(phone.context, server.url);
    await signIn(hand, 'ann', 'ann-password-1');
    await hand.click('#choice-dialog [value=keep]');
    await hand.waitForSelector('#account-button:text("Вход: ann")', { state: 'attached' });

    await desk.click('.people-list tr[data-login="ann"] .disable-person');
    await desk.click('#choice-dialog [value=yes]');
    await desk.waitForSelector('.people-list tr[data-login="ann"] td:text("отключён")');

    // Her next request is refused: the page says so and offers to sign in.
    await press(hand, '#orders-button');
    await hand.waitForSelector('#message[open]:has-text("войдите снова")');
    assert.equal(await hand.textContent('#account-button'), 'Войти');
  } finally {
    await office.close();
    await phone.close();
  }
});
