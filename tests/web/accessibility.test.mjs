// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// axe-core finds nothing against WCAG 2.2 AA and its best practices, on
// every screen and in every dialog the page has, at the widths of two
// phones, a tablet and a desktop; the firm's screens on a page that a
// kavro-server serves.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { startServer, launch, openPage, siteMissing, ROOT } from './harness.mjs';
import { startFirmServer, serverMissing, apiAs, signIn, ADMIN_PASSWORD } from './firm-harness.mjs';

const AXE = readFileSync(path.join(ROOT, 'node_modules/axe-core/axe.min.js'), 'utf8');
const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

let server;
let firmServer;
let conflicted; // a firm's order whose third opening both sides renamed
before(async () => {
  if (siteMissing) return;
  server = await startServer();
  if (serverMissing) return;
  firmServer = await startFirmServer();
  const admin = await apiAs(firmServer.url, 'admin', ADMIN_PASSWORD);
  conflicted = (await admin('POST', 'orders?edit=house', readFileSync(path.join(ROOT, 'examples/house.kavro')))).id;
  const file = await admin('GET', `orders/${conflicted}`);
  for (const [edit, place] of [['office', 'Спальня, офис'], ['phone', 'Спальня, телефон']]) {
    file.openings[2].location = place;
    await admin('PUT', `orders/${conflicted}?edit=${edit}`, JSON.stringify(file));
  }
});
after(async () => Promise.all([server?.stop(), firmServer?.stop()]));

// On a phone the order's controls are in the menu.
async function reveal(page, selector) {
  if (!(await page.isVisible(selector))) await page.click('#menu-button');
  return selector;
}
const press = async (page, selector) => page.click(await reveal(page, selector));

const screen = (name) => (page) => page.click(`#screens [data-screen="${name}"]`);
const views = [
  ['the form', async () => {}],
  ['the open menu', async (page) => (await page.isVisible('#menu-button')) && page.click('#menu-button')],
  ['the openings', screen('openings')],
  ['the parts list', screen('parts')],
  ['the kept orders', (page) => press(page, '#orders-button')],
  ['the firm\'s details', (page) => press(page, '#firm-button')],
  ['a question of one line', (page) => press(page, '#order-discount')],
  ['a question', async (page) => {
    await page.fill(await reveal(page, '#order-title'), 'Дача'); // a changed order is kept, and can be deleted
    await press(page, '#orders-button');
    await page.click('.stored-order.open .remove-stored');
  }],
  ['the message box', async (page) => {
    await page.focus('#Visota');
    await page.evaluate(() => navigator.clipboard.writeText('abc'));
    await page.keyboard.press('Control+V');
    await page.waitForSelector('#message[open]');
  }],
];

// In this order: the sign-in form is seen before the admin signs in.
const account = (page) => press(page, '#account-button');
const firmViews = [
  ['the sign-in form', async (page) => {
    await signIn(page, 'admin', 'wrong-password');
    await page.waitForSelector('#sign-in-dialog .form-error:not(:empty)');
  }],
  ['the offer of the kept orders', async (page) => {
    await signIn(page, 'admin', ADMIN_PASSWORD);
    await page.waitForSelector('#choice-dialog[open]');
  }],
  ['the account', account],
  ['the firm\'s orders', async (page) => {
    await press(page, '#orders-button');
    await page.waitForSelector('.firm-orders:not([hidden])');
  }],
  ['the people', async (page) => {
    await account(page);
    await page.click('#people-button');
    await page.waitForSelector('.people-list tr[data-login="admin"]');
  }],
  ['a new token', async (page) => {
    await account(page);
    await page.click('#tokens-button');
    await page.fill('#token-name', 'скрипт');
    await page.click('.token-form [type=submit]');
    await page.waitForSelector('.token-made:not([hidden])');
  }],
  ['the password', async (page) => {
    await account(page);
    await page.click('#password-button');
  }],
  ['a conflict and a refused edit', async (page) => {
    const edits = /\/api\/v1\/orders\/[^/?]+\?edit=/;
    await page.route(edits, (route) => route.fulfill({ status: 422, contentType: 'application/json', body: '{"error": "Заказ не принят."}' }));
    await openConflicted(page);
    await page.fill('#openings tbody tr:nth-child(1) [data-edit=location]', 'Кухня, не принято');
    await page.waitForSelector('.kept-edit');
    await page.unroute(edits);
  }],
  ['the two versions of a conflict', async (page) => {
    await openConflicted(page);
    await page.click('#openings tbody tr:nth-child(3) .conflict-mark');
    await page.click('#conflict-dialog .conflict-same summary'); // the fields both share, unfolded
  }],
];

async function openConflicted(page) {
  await page.goto(`${firmServer.url}?order=${conflicted}`);
  await page.waitForSelector('#sync-panel .open-conflict', { state: 'attached' });
  if (await page.isVisible('#screens')) await screen('openings')(page);
}

// Each view in a page of its own, opened afresh at URL; the faults found.
async function faultsOf(context, url, list) {
  const faults = [];
  for (const [name, open] of list) {
    const page = await openPage(context, url);
    await open(page);
    await page.evaluate(AXE);
    const found = await page.evaluate((tags) => axe.run(document, { runOnly: { type: 'tag', values: tags } })
      .then((r) => r.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`)), TAGS);
    faults.push(...found.map((f) => `${name}: ${f}`));
  }
  return faults;
}

for (const width of [360, 390, 768, 1280]) {
  test(`axe finds no fault at ${width} px`, { skip: siteMissing }, async () => {
    const browser = await launch({ width, height: 844 });
    const faults = [];
    try {
      await browser.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: server.url });
      faults.push(...await faultsOf(browser.context, server.url, views));
      if (firmServer) faults.push(...await faultsOf(browser.context, firmServer.url, firmViews));
    } finally {
      await browser.close();
    }
    assert.deepEqual(faults, []);
  });
}
