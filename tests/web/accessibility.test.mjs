// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// axe-core finds nothing against WCAG 2.2 AA and its best practices, on
// every screen and in every dialog the page has, at the widths of two
// phones, a tablet and a desktop.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { startServer, launch, openPage, siteMissing, ROOT } from './harness.mjs';

const AXE = readFileSync(path.join(ROOT, 'node_modules/axe-core/axe.min.js'), 'utf8');
const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

let server;
before(async () => { if (!siteMissing) server = await startServer(); });
after(async () => server?.stop());

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

for (const width of [360, 390, 768, 1280]) {
  test(`axe finds no fault at ${width} px`, { skip: siteMissing }, async () => {
    const browser = await launch({ width, height: 844 });
    const faults = [];
    try {
      await browser.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: server.url });
      for (const [name, open] of views) {
        const page = await openPage(browser.context, server.url);
        await open(page);
        await page.evaluate(AXE);
        const found = await page.evaluate((tags) => axe.run(document, { runOnly: { type: 'tag', values: tags } })
          .then((r) => r.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`)), TAGS);
        faults.push(...found.map((f) => `${name}: ${f}`));
      }
    } finally {
      await browser.close();
    }
    assert.deepEqual(faults, []);
  });
}
