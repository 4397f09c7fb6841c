// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pastes a user could make by accident or on purpose: huge, markup,
// characters outside the BMP. The page stays responsive, shows text as
// text, and ends where the driver ends.
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

for (const [name, text, limitMs] of [['100,000 digits', '1234567890'.repeat(10000), 10000],
  ['markup', '<img src=x onerror=alert(1)>12', 2000], ['characters outside the BMP', '1😀2𝟘,5', 2000]]) {
  test(`a paste of ${name} into Visota`, { skip }, async () => {
    const page = await openPage(browser.context, server.url);
    await page.focus('#Visota');
    await page.keyboard.press('Control+A');
    await page.evaluate((t) => navigator.clipboard.writeText(t), text);
    const started = Date.now();
    await page.keyboard.press('Control+V');
    assert.ok(Date.now() - started < limitMs, `the paste took ${Date.now() - started} ms`);
    // The message boxes the user closes are the driver's errors.
    const messages = [];
    const close = async () => {
      if (!(await page.isVisible('#message'))) return;
      messages.push(await page.textContent('#message-text'));
      await closeMessage(page);
    };
    await close();
    // The caret counts code points: a key typed after the paste lands where the driver's does.
    await page.keyboard.type('7');
    await close();
    const printed = runDriver(['focus Visota', 'selectall Visota', `paste Visota ${text}`, 'type Visota 7']);
    assert.deepEqual(messages, printed.filter((p) => p.error).map((p) => p.error));
    assert.deepEqual(await readPage(page), shown(printed.at(-1)));
    assert.equal(await page.locator('#form img:not(.logo)').count(), 0);
  });
}

// A server that lost the core's WebAssembly (a half-copied site): the page
// says it cannot start rather than wait for ever or show a dead form.
test('without the core module the page says it cannot start', { skip }, async () => {
  const fresh = await launch();
  try {
    const page = await fresh.context.newPage();
    await page.route(/kavro-core\.[^/]*wasm$/, (route) => route.fulfill({ status: 404, body: '' }));
    await page.goto(server.url);
    await page.waitForSelector('text=Не удалось запустить калькулятор', { timeout: 20000 });
    assert.equal(await page.getAttribute('body', 'data-ready'), null);
  } finally {
    await fresh.close();
  }
});
