// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's storage of orders, in the browser itself: a slow file written
// less often, a refused storage told in words, leaving the page losing
// nothing.
// The order is a stand-in holding a text, as the core's file is to them.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startServer, launch, siteMissing, siteFile } from './harness.mjs';

let server;
let browser;
before(async () => {
  if (siteMissing) return;
  server = await startServer();
  browser = await launch();
});
after(async () => {
  await browser?.close();
  await server?.stop();
});

// A page of the site that runs no order code of its own.
async function blankPage() {
  const page = await browser.context.newPage();
  await page.goto(`${server.url}report.html`);
  return page;
}

// Typing written every 400 ms (a debounce would write nothing while it
// goes on) is the killed browser's test; here the longer pause of a file
// slow to make, up to the longest that still keeps a change within the
// second (600 ms and 400 between: 1000 exactly).
test('a slow order file is written less often, still within the second', { skip: siteMissing }, async () => {
  const page = await blankPage();
  const pauses = await page.evaluate(async (file) => {
    const { pauseFor, INTERVAL_MS } = await import(`./${file}`);
    return [0, 100, 215, 400, 600].map((cost) => [cost, pauseFor(cost, INTERVAL_MS)]);
  }, siteFile('autosaver.js'));
  assert.deepEqual(pauses, [[0, 400], [100, 400], [215, 645], [400, 400], [600, 400]]);
  await page.close();
});

// Storage broken before the page starts, and what the page must say.
const refusals = [
  {
    name: 'a full storage',
    breaks: () => { IDBObjectStore.prototype.put = () => { throw new DOMException('full', 'QuotaExceededError'); }; },
    words: /не хватает места.*Сохраните заказ в файл/,
  },
  {
    name: 'a storage the browser refuses',
    breaks: () => {
      IDBFactory.prototype.open = function () {
        const req = { error: new DOMException('refused', 'InvalidStateError') };
        setTimeout(() => req.onerror?.());
        return req;
      };
    },
    words: /не разрешает хранить заказы.*Сохраните заказ в файл/,
  },
];

test('a full or refused storage is told in words, in the bar and in a message', { skip: siteMissing }, async () => {
  for (const { name, breaks, words } of refusals) {
    const page = await browser.context.newPage();
    await page.addInitScript(breaks);
    await page.goto(`${server.url}?new`);
    await page.waitForSelector('body[data-ready="true"]');
    await page.fill('#order-title', 'Не сохранится');
    await page.waitForSelector('#message[open]');
    assert.match(await page.textContent('#message-text'), words, name);
    assert.match(await page.textContent('#store-status[role=alert]'), words, name);
    await page.close();
  }
});

test('a change made just before the page goes away is there at the next start', { skip: siteMissing }, async () => {
  const page = await browser.context.newPage();
  for (const title of ['Ушли сразу', 'И ещё раз']) {
    await page.goto(`${server.url}?new`);
    await page.waitForSelector('body[data-ready="true"]');
    await page.fill('#order-title', title);
    // No time for the timer's write: only leaving the page keeps it.
    await page.goto(server.url);
    await page.waitForSelector('body[data-ready="true"]');
    assert.equal(await page.inputValue('#order-title'), title);
  }
  // A record whose contents storage holds already comes back without them,
  // not with a text in their place.
  const back = await page.evaluate(async (file) => {
    const { writeLeaving, leftBehind, dropLeaving } = await import(`./${file}`);
    writeLeaving({ id: 'без-файла', title: 'Т', changed: 2, replica: 'р' });
    const [{ key, record }] = leftBehind().filter((left) => left.key.endsWith('без-файла'));
    dropLeaving(key);
    return record;
  }, siteFile('leave-journal.js'));
  assert.deepEqual(back, { id: 'без-файла', title: 'Т', changed: 2, replica: 'р' });
  await page.close();
});

// A browser that kept orders before their contents were stored apart: the
// upgrade moves them, and a part kept alone (the sync's replica) neither
// loses the order's file nor brings back an order removed meanwhile.
test('orders kept by the earlier storage open as they were; contents kept apart stay apart', { skip: siteMissing, timeout: 30000 }, async () => {
  const page = await blankPage();
  const seen = await page.evaluate(async (file) => {
    const settled = (req) => new Promise((resolve, reject) => {
      req.onsuccess = () => resolve(req.result);
      req.onerror = () => reject(req.error);
    });
    await settled(indexedDB.deleteDatabase('kavro-orders')); // the other tests' storage
    await new Promise((resolve, reject) => {
      const req = indexedDB.open('kavro-orders', 1);
      req.onerror = () => reject(req.error);
      req.onupgradeneeded = () => req.result.createObjectStore('orders', { keyPath: 'id' })
        .put({ id: 'a', title: 'Дом', changed: 1, data: 'файл', firm: true });
      req.onsuccess = () => { req.result.close(); resolve(); };
    });
    const { OrderStore } = await import(`./${file}`);
    const store = await OrderStore.open();
    const listed = await store.list();
    await store.put({ id: 'a', replica: 'реплика' });
    await store.put({ id: 'gone', replica: 'поздняя' });
    const kept = await store.get('a');
    await store.remove('a');
    return { listed, kept, gone: await store.get('gone'), removed: await store.get('a') };
  }, siteFile('order-store.js'));
  assert.deepEqual(seen.listed, [{ id: 'a', title: 'Дом', changed: 1, firm: true, keep: false }]);
  assert.deepEqual(seen.kept, { id: 'a', title: 'Дом', changed: 1, firm: true, data: 'файл', replica: 'реплика' });
  assert.equal(seen.gone, null);
  assert.equal(seen.removed, null);
  await page.close();
});
