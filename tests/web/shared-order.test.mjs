// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One firm's order open in two browsers, a desktop (the admin) and a
// phone (an installer), against a real kavro-server on SQLite and on
// PostgreSQL: a change made on one shows on the other; one made offline
// arrives once back; the same field changed on both is a conflict shown on
// both and resolved on one; edits queued on a phone killed offline, or
// made while its session ended, arrive when it is back and signed in.
import { describe, test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { launch, openPage, siteMissing, closeMessage, ROOT } from './harness.mjs';
import { startFirmServer, serverMissing, apiAs, signIn, ADMIN_PASSWORD } from './firm-harness.mjs';

const skip = siteMissing || serverMissing;
const INSTALLER_PASSWORD = 'installer-password-1';
const PHONE = { width: 390, height: 844, touch: true };

const locationBox = (row) => `#openings tbody tr:nth-child(${row}) [data-edit=location]`;

// Each waits, reading the page as a user does (the page's policy lets no
// polled script run in it).
const located = (page, row, text) => until(async () => (await page.locator(locationBox(row)).inputValue().catch(() => '')) === text,
  `opening ${row} did not become «${text}»`);
const titled = (page, title) => until(async () => (await page.inputValue('#order-title')) === title,
  `the title did not become «${title}»`);
const counted = (page, rows) => until(async () => (await page.locator('#openings tbody tr').count()) === rows,
  `the order did not come to ${rows} openings`);

// The replica kept with the order in the browser's storage.
const storedReplica = (page, id) => page.evaluate((key) => new Promise((resolve) => {
  indexedDB.open('kavro-orders').onsuccess = (e) => {
    e.target.result.transaction('parts').objectStore('parts').get([key, 'replica']).onsuccess = (r) => resolve(r.target.result ?? '');
  };
}), id);

async function until(condition, what) {
  for (const started = Date.now(); !(await condition());) {
    assert.ok(Date.now() - started < 15000, what);
    await new Promise((r) => setTimeout(r, 50));
  }
}

for (const backend of ['sqlite', 'postgresql']) {
  describe(`the shared order on ${backend}`, { skip }, () => {
    let server;
    let admin; // the API as the admin, for what the test sets up and checks
    let house;
    let office;
    let phone;
    let phoneProfile; // kept, so that the phone can be killed and started again
    let desk;
    let hand;

    // Signed in as LOGIN first when given; else as the browser last was.
    async function openShared(browser, login, password) {
      const page = browser.context.pages()[0] ?? (await browser.context.newPage());
      if (login) {
        await openPage(browser.context, server.url);
        await signIn(page, login, password);
        await page.click('#choice-dialog [value=keep]');
        await page.waitForSelector(`#account-button:text("Вход: ${login}")`, { state: 'attached' });
      }
      await page.goto(`${server.url}?order=${house}`);
      await page.waitForSelector('body[data-ready="true"]');
      await until(async () => (await page.inputValue('#order-title')).startsWith('Дом Ивановых'), 'the order did not open');
      return page;
    }

    const serverOrder = () => admin('GET', `orders/${house}`);

    before(async () => {
      if (skip) return;
      server = await startFirmServer({ backend });
      if (server.skipped) return;
      server.admin(['add-user', 'Фирма', 'installer', '--role', 'member'], `${INSTALLER_PASSWORD}\n`);
      admin = await apiAs(server.url, 'admin', ADMIN_PASSWORD);
      house = (await admin('POST', 'orders?edit=house', readFileSync(path.join(ROOT, 'examples/house.kavro')))).id;
      phoneProfile = await mkdtemp(path.join(tmpdir(), 'kavro-phone-'));
      office = await launch();
      phone = await launch({ ...PHONE, profile: phoneProfile });
      desk = await openShared(office, 'admin', ADMIN_PASSWORD);
      hand = await openShared(phone, 'installer', INSTALLER_PASSWORD);
    });
    after(async () => {
      await office?.close();
      await phone?.close();
      await server?.stop();
      if (phoneProfile) await rm(phoneProfile, { recursive: true, force: true });
    });
    const skipped = (t) => server.skipped && (t.skip(server.skipped), true);

    test('a change on one shows on the other, and one made offline arrives once back', async (t) => {
      if (skipped(t)) return;
      await desk.fill('#order-title', 'Дом Ивановых, замер 2');
      await desk.press('#order-title', 'Tab'); // typed and left: shown anew elsewhere
      await titled(hand, 'Дом Ивановых, замер 2');

      await phone.context.setOffline(true);
      await hand.click('#menu-button'); // the phone keeps the order's title in its menu
      await hand.fill('#order-title', 'Дом Ивановых, замер в подвале');
      await hand.click('#menu-button');
      await until(async () => (await storedReplica(hand, house)).includes('замер в подвале'), 'the offline edit was not kept');
      assert.equal((await serverOrder()).title, 'Дом Ивановых, замер 2');
      await phone.context.setOffline(false);
      await titled(desk, 'Дом Ивановых, замер в подвале');
    });

    test('the same field changed on both is a conflict on both, resolved on one and gone on both', async (t) => {
      if (skipped(t)) return;
      const rows = await desk.locator('#openings tbody tr').count();
      await hand.click('#screens [data-screen=openings]');
      await phone.context.setOffline(true);
      await hand.fill(locationBox(3), 'Спальня, телефон');
      await desk.fill(locationBox(3), 'Спальня, офис');
      await until(async () => (await serverOrder()).openings[2].location === 'Спальня, офис', 'the desktop\'s edit did not arrive');
      await phone.context.setOffline(false);

      for (const page of [desk, hand]) {
        await page.waitForSelector('#openings tbody tr:nth-child(3) .conflict-mark');
        await page.waitForSelector('#sync-panel .conflict-count:text("Конфликтов в заказе: 1")');
      }
      // Both versions are kept and shown side by side, the one that
      // differs marked in words.
      await hand.click('#openings tbody tr:nth-child(3) .conflict-mark');
      const differing = await hand.locator('#conflict-dialog tr.differs').allInnerTexts();
      assert.deepEqual(differing.map((row) => row.split('\t').slice(1)), [['Спальня, офис', 'Спальня, телефон']]);
      assert.match(differing[0], /Различается/);
      await hand.click('#conflict-dialog .close-dialog');

      await desk.click('#sync-panel .open-conflict');
      await desk.click('#conflict-dialog [data-keep=both]');
      for (const page of [desk, hand]) {
        await page.waitForSelector('#sync-panel', { state: 'hidden' });
        await counted(page, rows + 1);
        assert.equal(await page.locator('.conflict-mark').count(), 0);
      }
      await located(hand, 4, 'Спальня, телефон');
      assert.equal((await admin('GET', `orders/${house}/conflicts`)).conflicts.length, 0);
    });

    test('an edit the server refuses is shown with the reason, holds up nothing and can be sent again', async (t) => {
      if (skipped(t)) return;
      const edits = /\/api\/v1\/orders\/[^/?]+\?edit=/;
      // Refused as sent (what it changed), then whole.
      await hand.route(edits, (route) => route.fulfill({ status: 422, contentType: 'application/json', body: '{"error": "Заказ не принят."}' }), { times: 2 });
      await hand.fill(locationBox(1), 'Кухня, не принято');
      await hand.waitForSelector('.kept-edit .kept-reason:text("Не принято: Заказ не принят.")');
      assert.deepEqual(await hand.locator('.kept-edit .kept-lines li').allInnerTexts(), ['Проём «Кухня»: Проём — Кухня, не принято']);
      await hand.click('#menu-button');
      await hand.fill('#order-title', 'Дом Ивановых, после отказа');
      await hand.click('#menu-button');
      await titled(desk, 'Дом Ивановых, после отказа');
      await hand.click('.kept-edit .resend-kept');
      await located(desk, 1, 'Кухня, не принято');
      await hand.waitForSelector('#sync-panel', { state: 'hidden' });
    });

    test('edits queued on a phone killed offline reach the desktop at its next start', async (t) => {
      if (skipped(t)) return;
      await hand.click('#screens [data-screen=openings]');
      await phone.context.setOffline(true);
      await hand.fill(locationBox(1), 'Кухня, из подвала');
      await until(async () => (await storedReplica(hand, house)).includes('Кухня, из подвала'), 'the edit was not kept');
      await phone.close(); // no chance to send: it was offline to the end
      phone = await launch({ ...PHONE, profile: phoneProfile });
      hand = await openShared(phone);
      await located(desk, 1, 'Кухня, из подвала');
    });

    test('edits made while the session ended arrive after signing in again, none lost', async (t) => {
      if (skipped(t)) return;
      await hand.click('#screens [data-screen=openings]');
      await phone.context.setOffline(true);
      await hand.fill(locationBox(2), 'Гостиная, вечером');
      await hand.fill(locationBox(1), 'Кухня, вечером');
      await until(async () => (await storedReplica(hand, house)).includes('Кухня, вечером'), 'the edits were not kept');
      // As a day's absence would: the server no longer knows the session.
      server.admin(['passwd', 'installer'], `${INSTALLER_PASSWORD}\n`);
      await phone.context.setOffline(false);
      await hand.waitForSelector('#message[open]');
      await closeMessage(hand);
      await hand.waitForSelector('#account-button:text("Войти")', { state: 'attached' });
      assert.equal((await serverOrder()).openings[1].location, 'Гостиная');
      await signIn(hand, 'installer', INSTALLER_PASSWORD);
      await located(desk, 2, 'Гостиная, вечером');
      await located(desk, 1, 'Кухня, вечером');
    });
  });
}
