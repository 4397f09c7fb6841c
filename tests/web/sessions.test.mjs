// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sessions a user plays in the page, key by key and click by click, end
// in exactly the state the node driver reaches with the same actions.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startServer, launch, openPage, runDriver, shown, readPage, siteMissing, driverMissing, closeMessage } from './harness.mjs';

const skip = siteMissing || driverMissing;
let server;
let browser;
before(async () => {
  if (skip) return;
  [server, browser] = await Promise.all([startServer(), launch()]);
  await browser.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: server.url });
});
after(async () => (await browser?.close(), server?.stop()));

// Each step acts in the page and returns the driver's lines for it.
const focus = (f) => async (p) => (await p.focus(`#${f}`), [`focus ${f}`]);
const keys = (names, ...lines) => async (p) => { for (const k of names.split(' ')) await p.keyboard.press(k); return lines; };
const type = (f, text) => async (p) => (await p.keyboard.type(text), [`type ${f} ${text}`]);
const pick = (f, i) => async (p) => (await p.selectOption(f === 'Diametr' ? '#Diametr-list' : `#${f}`, { index: i }), [`pick ${f} ${i}`]);
const click = (selector, line) => async (p) => (await p.click(selector), [line]);
const radio = (f, i) => click(`label[for="${f}-${i}"]`, `click ${f} ${i}`);
const cell = (c, r) => click(`#Spisok tr:nth-child(${r + 1}) > :nth-child(${c + 1})`, `cell Spisok ${c} ${r}`);
const paste = (f, text) => async (p) => {
  await p.evaluate((t) => navigator.clipboard.writeText(t), text);
  await p.keyboard.press('Control+V');
  return [`paste ${f} ${text}`];
};
// Tab goes wherever the page's order leads; the driver follows it.
const tabKey = async (p) => {
  await p.keyboard.press('Tab');
  return [`focus ${await p.evaluate(() => document.activeElement.closest('[data-field]').dataset.field)}`];
};

const sessions = [
  ['a width typed, filtered and corrected', [focus('Wirina'), keys('Control+A', 'selectall Wirina'), type('Wirina', '600'),
    type('Wirina', 'a-.'), type('Wirina', ',5'), type('Wirina', ','), keys('Backspace Backspace', 'backspace Wirina 2'), tabKey]],
  ['a height emptied and left with Tab', [focus('Visota'), keys('Control+A Backspace', 'selectall Visota', 'backspace Visota 1'), tabKey]],
  ['the caret moved with the keys', [focus('Visota'), keys('Control+A', 'selectall Visota'), type('Visota', '2200'),
    keys('Home End ArrowLeft', 'caret Visota 0', 'caret Visota 4', 'caret Visota 3'), type('Visota', '5'),
    keys('Home Delete', 'caret Visota 0', 'caret Visota 1', 'backspace Visota 1')]],
  ['profile, type, mounting, control, fixing and crank', [pick('Profil', 1), pick('TipProfilya', 0), radio('Montazh', 1),
    radio('Upravlenie', 1), radio('Kreplenie', 1), pick('Diametr', 2), click('label[for="NHK"]', 'check NHK')]],
  ['a shaft picked, a drive chosen, the accessories shown', [pick('Diametr', 1), cell(1, 1), click('#TabControl1-1', 'tab 1')]],
  ['a shaft typed: the chosen item follows the text', [focus('Diametr'), keys('Control+A', 'selectall Diametr'), type('Diametr', '7'),
    type('Diametr', '0'), keys('Backspace', 'backspace Diametr 1')]],
  ['a weight pasted over a selection', [focus('Massa'), keys('Control+A', 'selectall Massa'), paste('Massa', '4,2')]],
];

for (const [name, steps] of sessions) {
  test(`page and driver agree: ${name}`, { skip }, async () => {
    const page = await openPage(browser.context, server.url);
    const lines = [];
    for (const step of steps) lines.push(...(await step(page)));
    const printed = runDriver(lines);
    assert.deepEqual(printed.filter((p) => p.refused), []);
    assert.deepEqual(await readPage(page), shown(printed.at(-1)));
  });
}

test('a conversion error shows the message box text; closing it keeps the focus', { skip }, async () => {
  const page = await openPage(browser.context, server.url);
  const lines = [...(await focus('Visota')(page)), ...(await keys('End', 'caret Visota 4')(page)),
    ...(await paste('Visota', 'abc')(page))];
  const printed = runDriver(lines);
  assert.equal(await page.textContent('#message-text'), printed.find((p) => p.error).error);
  await page.focus('#Wirina'); // the box is modal: the form behind it takes nothing
  await closeMessage(page);
  assert.equal(await page.isVisible('#message'), false);
  // Handed back to the field, the focus runs no exit handler.
  assert.deepEqual(await readPage(page), shown(printed.at(-1)));
  // Leaving the field now runs its exit handler, whose error shows again.
  await page.focus('#Wirina');
  const again = runDriver([...lines, 'focus Wirina']);
  assert.equal(await page.isVisible('#message'), again.filter((p) => p.error).length > 1);
});

test('a drive row goes to the clipboard; a link opens in a new tab', { skip }, async () => {
  const page = await openPage(browser.context, server.url);
  await page.evaluate(() => { window.open = (...a) => { window.opened = a; }; });
  await page.click('#Spisok tr:nth-child(2) > :nth-child(1)');
  await page.click('#Label30');
  const printed = runDriver(['cell Spisok 0 1', 'link Label30']);
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), printed.at(-1).clipboard);
  assert.deepEqual(await page.evaluate(() => window.opened), [printed.find((p) => p.open).open, '_blank', 'noopener']);
});
