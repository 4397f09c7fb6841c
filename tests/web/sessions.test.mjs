// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sessions a user plays in the page, key by key and click by click, end
// in exactly the state the node driver reaches with the same actions.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startServer, launch, openPage, lastDump, shown, readPage, siteMissing, driverMissing } from './harness.mjs';

const skip = siteMissing || driverMissing;
let server;
let browser;
before(async () => {
  if (skip) return;
  server = await startServer();
  browser = await launch();
  await browser.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: server.url });
});
after(async () => {
  await browser?.close();
  await server?.stop();
});

// Each step: what the user does in the page, and the driver's lines for it.
const focus = (f) => [(p) => p.focus(`#${f}`), [`focus ${f}`]];
const selectAll = (f) => [(p) => p.keyboard.press('Control+A'), [`selectall ${f}`]];
const type = (f, text) => [(p) => p.keyboard.type(text), [`type ${f} ${text}`]];
const backspace = (f, n) => [async (p) => { for (let i = 0; i < n; i += 1) await p.keyboard.press('Backspace'); }, [`backspace ${f} ${n}`]];
const key = (f, name, line) => [(p) => p.keyboard.press(name), [line]];
const pick = (f, i) => [(p) => p.selectOption(`#${f === 'Diametr' ? 'Diametr-list' : f}`, { index: i }), [`pick ${f} ${i}`]];
const click = (f, i) => [(p) => p.click(`label[for="${f}-${i}"]`), [`click ${f} ${i}`]];
const check = () => [(p) => p.click('label[for="NHK"]'), ['check NHK']];
const cell = (c, r) => [(p) => p.click(`#Spisok tr:nth-child(${r + 1}) > :nth-child(${c + 1})`), [`cell Spisok ${c} ${r}`]];
const tab = (i) => [(p) => p.click(`#TabControl1-${i}`), [`tab ${i}`]];
const paste = (f, text) => [
  async (p) => {
    await p.evaluate((t) => navigator.clipboard.writeText(t), text);
    await p.keyboard.press('Control+V');
  },
  [`paste ${f} ${text}`],
];

const sessions = [
  ['a width typed, filtered and corrected', [
    focus('Wirina'), selectAll('Wirina'), type('Wirina', '600'), type('Wirina', 'a-.'),
    type('Wirina', ',5'), type('Wirina', ','), backspace('Wirina', 2), focus('Visota'),
  ]],
  ['a height emptied and left', [focus('Visota'), selectAll('Visota'), backspace('Visota', 1), focus('Massa')]],
  ['caret moved with the keys before typing', [
    focus('Visota'), selectAll('Visota'), type('Visota', '2200'), key('Visota', 'Home', 'caret Visota 0'),
    key('Visota', 'End', 'caret Visota 4'), key('Visota', 'ArrowLeft', 'caret Visota 3'),
    type('Visota', '5'), key('Visota', 'Home', 'caret Visota 0'), key('Visota', 'Delete', 'caret Visota 1'),
    backspace('Visota', 1),
  ]],
  ['profile, type, mounting, control, fixing and crank', [
    pick('Profil', 1), pick('TipProfilya', 0), click('Montazh', 1), click('Upravlenie', 1),
    click('Kreplenie', 2), check(), check(),
  ]],
  ['a shaft picked, then a drive row chosen and the accessories tab', [
    pick('Diametr', 0), cell(1, 2), tab(1), tab(0),
  ]],
  ['a specific weight pasted over a selection', [focus('Massa'), selectAll('Massa'), paste('Massa', '4,2')]],
  ['a paste with spaces and a line break', [focus('Wirina'), selectAll('Wirina'), paste('Wirina', '1 5\n00')]],
];

for (const [name, steps] of sessions) {
  test(`page and driver agree: ${name}`, { skip }, async () => {
    const page = await openPage(browser.context, server.url);
    for (const [act] of steps) await act(page);
    const lines = steps.flatMap(([, l]) => l);
    const { dump, printed } = lastDump(lines);
    assert.ok(!printed.some((p) => p.refused), `the driver refused: ${JSON.stringify(printed.find((p) => p.refused))}`);
    assert.deepEqual(await readPage(page), shown(dump));
  });
}

test('Tab out of a field runs its exit handler as the focus action does', { skip }, async () => {
  const page = await openPage(browser.context, server.url);
  await page.focus('#Visota');
  await page.keyboard.press('Control+A');
  await page.keyboard.type('1800');
  await page.keyboard.press('Tab');
  const next = await page.evaluate(() => document.activeElement.closest('[data-field]')?.dataset.field);
  assert.ok(next && next !== 'Visota');
  const { dump } = lastDump(['focus Visota', 'selectall Visota', 'type Visota 1800', `focus ${next}`]);
  assert.deepEqual(await readPage(page), shown(dump));
});

test('a conversion error shows the message box text; the focus stays on the field', { skip }, async () => {
  const page = await openPage(browser.context, server.url);
  await page.focus('#Visota');
  await page.keyboard.press('End');
  await page.evaluate(() => navigator.clipboard.writeText('abc'));
  await page.keyboard.press('Control+V');
  await page.focus('#Wirina');
  const { dump, printed } = lastDump(['focus Visota', 'caret Visota 4', 'paste Visota abc', 'focus Wirina']);
  const error = printed.find((p) => p.error)?.error;
  assert.ok(error, 'the driver reports an error');
  assert.equal(await page.isVisible('#message'), true);
  assert.equal(await page.textContent('#message-text'), error);
  await page.click('#message-ok');
  assert.equal(await page.isVisible('#message'), false);
  // Closing the box hands the focus back without running the handler again.
  assert.deepEqual(await readPage(page), shown(dump));
});

test('a click on a drive row puts its cell on the clipboard', { skip }, async () => {
  const page = await openPage(browser.context, server.url);
  await page.click('#Spisok tr:nth-child(2) > :nth-child(1)');
  const { dump } = lastDump(['cell Spisok 0 1']);
  assert.notEqual(dump.clipboard, '');
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), dump.clipboard);
});

test('a link opens its address in a new tab and nowhere else', { skip }, async () => {
  const page = await openPage(browser.context, server.url);
  const opened = [];
  await page.exposeFunction('__opened', (...a) => opened.push(a));
  await page.evaluate(() => { window.open = (...a) => { window.__opened(...a); return null; }; });
  await page.click('#Label30');
  const printed = lastDump(['link Label30']).printed;
  const url = printed.find((p) => p.open).open;
  assert.deepEqual(opened, [[url, '_blank', 'noopener']]);
  assert.equal(new URL(page.url()).host, new URL(server.url).host);
});
