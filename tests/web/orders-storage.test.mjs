// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's storage of orders, in the browser itself: writes keep up with
// typing, a refused storage is told in words, two tabs never both write.
// The order is a stand-in holding a text, as the core's file is to them.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { startServer, launch, siteMissing } from './harness.mjs';

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

// Changes at the times given (ms on a clock the test moves), each write
// taking WRITE ms: the latest change each write carried, and when.
const bursts = [
  { name: 'one change', changes: [0], write: 0 },
  { name: 'typing every 50 ms for 3 s', changes: Array.from({ length: 60 }, (_, i) => i * 50), write: 0 },
  { name: 'typing while slow writes are under way', changes: Array.from({ length: 40 }, (_, i) => i * 70), write: 300 },
];

test('every change is written within a second, also during a long burst', { skip: siteMissing }, async () => {
  const page = await blankPage();
  for (const burst of bursts) {
    const writes = await page.evaluate(async ({ changes, write }) => {
      const { Autosaver } = await import('./autosaver.js');
      let now = 0;
      let timers = [];
      const clock = {
        now: () => now,
        setTimeout: (f, ms) => { const t = { at: now + ms, f }; timers.push(t); return t; },
        clearTimeout: (t) => { timers = timers.filter((x) => x !== t); },
      };
      let latest = -1;
      const done = [];
      const saver = new Autosaver({
        clock,
        snapshot: () => ({ latest, started: now }),
        write: (r) => new Promise((resolve) => clock.setTimeout(() => { done.push({ ...r, kept: now }); resolve(); }, write)),
      });
      const advanceTo = async (t) => {
        for (;;) {
          const next = timers.filter((x) => x.at <= t).sort((a, b) => a.at - b.at)[0];
          if (!next) break;
          timers = timers.filter((x) => x !== next);
          now = next.at;
          next.f();
          await new Promise((r) => setTimeout(r, 0));
        }
        now = t;
      };
      for (const [i, t] of changes.entries()) {
        await advanceTo(t);
        latest = i;
        saver.changed();
      }
      await advanceTo(changes.at(-1) + 5000);
      return done;
    }, burst);
    assert.equal(writes.at(-1)?.latest, burst.changes.length - 1, `${burst.name}: the last change is kept`);
    burst.changes.forEach((t, i) => {
      const keeping = writes.find((w) => w.latest >= i);
      assert.ok(keeping && keeping.kept - t <= 1000, `${burst.name}: change at ${t} ms kept at ${keeping?.kept}`);
    });
    // A write per interval at most: a debounce would show one write, a
    // write per keystroke as many as the changes.
    const span = burst.changes.at(-1) + 1000;
    assert.ok(writes.length <= Math.ceil(span / 400) + 1, `${burst.name}: ${writes.length} writes`);
  }
  await page.close();
});

// A keeper on a stand-in order, STATUS lines collected in window.said.
async function startKeeper(page, { id, text, breakStorage, fresh } = {}) {
  return page.evaluate(async ({ id, text, breakStorage, fresh }) => {
    if (id) location.hash = `order=${id}`;
    if (breakStorage === 'quota') {
      IDBObjectStore.prototype.put = function () { throw new DOMException('full', 'QuotaExceededError'); };
    } else if (breakStorage === 'refused') {
      IDBFactory.prototype.open = function () {
        const req = { result: undefined, error: new DOMException('refused', 'InvalidStateError') };
        setTimeout(() => req.onerror?.());
        return req;
      };
    }
    const { OrderKeeper } = await import('./order-keeper.js');
    window.said = [];
    window.order = { text: text ?? '', save() { return this.text; }, load(t) { this.text = t; }, blank() { this.text = ''; }, title: () => 'Т' };
    window.keeper = new OrderKeeper({ order: window.order, status: (t, kind) => window.said.push([kind, t]) });
    await window.keeper.start();
    if (fresh) await window.keeper.create();
    return { id: window.keeper.id, readOnly: window.keeper.readOnly };
  }, { id, text, breakStorage, fresh });
}

const type = (page, text) => page.evaluate(async (t) => {
  window.order.text += t;
  window.keeper.changed();
  await window.keeper.flush();
}, text);

const stored = (page, id) => page.evaluate(async (key) => {
  const { OrderStore } = await import('./order-store.js');
  return (await (await OrderStore.open()).get(key))?.data ?? null;
}, id);

const refusals = [
  { breakStorage: 'quota', words: /не хватает места.*Сохраните заказ в файл/ },
  { breakStorage: 'refused', words: /не разрешает хранить заказы.*Сохраните заказ в файл/ },
];

test('a full or refused storage is told in words, and the change is tried again', { skip: siteMissing }, async () => {
  for (const { breakStorage, words } of refusals) {
    const page = await blankPage();
    await startKeeper(page, { breakStorage });
    await type(page, 'abc');
    const said = await page.evaluate(() => window.said);
    assert.ok(said.some(([kind, t]) => kind === 'error' && words.test(t)), `${breakStorage}: ${JSON.stringify(said)}`);
    assert.equal(await page.evaluate(() => window.keeper.saver.dirty), true, `${breakStorage}: the change is still to be kept`);
    await page.close();
  }
});

test('a second tab of an order is read-only, writes nothing, and takes over when the first closes', { skip: siteMissing }, async () => {
  const first = await blankPage();
  const { id } = await startKeeper(first, { fresh: true });
  await type(first, 'first tab');
  const second = await blankPage();
  assert.deepEqual(await startKeeper(second, { id }), { id, readOnly: true });
  assert.equal(await second.evaluate(() => window.order.text), 'first tab');
  assert.match((await second.evaluate(() => window.said)).at(-1)[1], /открыт в другой вкладке/);
  await type(second, ' second');
  assert.equal(await stored(first, id), 'first tab', 'the read-only tab wrote nothing');
  await type(first, ' more');
  await first.close();
  await second.evaluate(() => new Promise((resolve) => {
    const poll = () => (window.keeper.readOnly ? setTimeout(poll, 20) : resolve());
    poll();
  }));
  assert.equal(await second.evaluate(() => window.order.text), 'first tab more', 'the last kept text is shown');
  await type(second, '!');
  assert.equal(await stored(second, id), 'first tab more!');
  await second.close();
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
  await page.close();
});
