// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Orders in the page against kavro-order: files either one makes open in
// the other with the same openings and results, damaged ones are refused
// with kavro-order's words, and nothing typed before the last second is
// lost when the browser dies.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtemp, rm, writeFile } from 'node:fs/promises';
import { spawnSync } from 'node:child_process';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { readFileSync } from 'node:fs';
import { startServer, launch, openPage, siteMissing, siteFile, ROOT, closeMessage } from './harness.mjs';
import {
  kavroOrder, checkedRows, listedRows, killBrowser, chooseFile, downloaded, orderToolMissing,
} from './orders-harness.mjs';

const skip = siteMissing || orderToolMissing;
const CLI = path.join(ROOT, 'tests/cli');
let server;
let work;
before(async () => {
  if (skip) return;
  server = await startServer();
  work = await mkdtemp(path.join(tmpdir(), 'kavro-orders-test-'));
});
after(async () => {
  await server?.stop();
  if (work) await rm(work, { recursive: true, force: true });
});

// A browser on a profile of its own for BODY.
async function withBrowser(body) {
  const browser = await launch();
  try {
    return await body(browser.context);
  } finally {
    await browser.close();
  }
}

const sources = [
  { name: 'an order file', click: '#order-open', file: path.join(ROOT, 'examples/house.kavro'), order: 'examples/house.kavro' },
  { name: 'an openings table in Windows-1251', click: '#openings-import', file: path.join(CLI, 'house-1251.csv'), table: 'house-1251.csv' },
];

test('an order file and a table made for kavro-order open with every opening as it reads them', { skip }, async () => {
  for (const source of sources) {
    let order = source.order;
    if (source.table) {
      order = path.join(work, 'imported.kavro');
      assert.equal(kavroOrder(['import', source.table, '-o', order], CLI).status, 0);
    }
    const expected = checkedRows(kavroOrder(['check', order]).stdout);
    const listed = await withBrowser(async (context) => {
      const page = await openPage(context, server.url);
      await chooseFile(page, source.click, source.file);
      await page.waitForSelector(`#openings tbody tr:nth-child(${expected.length})`);
      return listedRows(page);
    });
    assert.ok(expected.length >= 5, source.name);
    assert.deepEqual(listed, expected, source.name);
  }
});

test('an order typed in the page is saved as kavro-order reads it, and its tables are kavro-order\'s bytes', { skip }, async () => {
  await withBrowser(async (context) => {
    const page = await openPage(context, server.url);
    await page.fill('#order-title', 'Дача; «Петров»');
    await page.fill('#openings tbody tr:nth-child(1) [data-edit=location]', 'Кухня');
    await page.click('#opening-add');
    await page.fill('#openings tbody tr:nth-child(2) [data-edit=location]', 'Гараж');
    await page.fill('#openings tbody tr:nth-child(2) [data-edit=count]', '3');
    await page.press('#openings tbody tr:nth-child(2) [data-edit=count]', 'Enter');
    await page.focus('#Visota');
    await page.keyboard.press('Control+A');
    await page.keyboard.type('2400');
    await page.keyboard.press('Tab');
    await page.click('#opening-copy');
    const saved = await downloaded(page, '#order-save');
    const file = path.join(work, 'typed.kavro');
    await writeFile(file, saved.bytes);
    const check = kavroOrder(['check', file]);
    assert.equal(check.stdout.split('\n')[0], 'Дача; «Петров»');
    assert.deepEqual(checkedRows(check.stdout), await listedRows(page));
    assert.equal((await listedRows(page)).length, 3);
    for (const [button, command] of [['#openings-export', 'export'], ['#parts-export', 'bom']]) {
      const out = path.join(work, `${command}.csv`);
      assert.equal(kavroOrder([command, file, '-o', out]).status, 0);
      const got = await downloaded(page, button);
      assert.deepEqual(got.bytes, spawnSync('cat', [out]).stdout, command);
    }
  });
});

// Each damaged file, the picker that takes it, and kavro-order's refusal.
const damaged = [
  { file: 'damaged.kavro', click: '#order-open', args: ['check', 'damaged.kavro'] },
  { file: 'bad-field.kavro', click: '#order-open', args: ['check', 'bad-field.kavro'] },
  { file: 'bad-cells.csv', click: '#openings-import', args: ['import', 'bad-cells.csv', '-o', '/dev/null'] },
  { file: 'bad-bytes.csv', click: '#openings-import', args: ['import', 'bad-bytes.csv', '-o', '/dev/null'] },
];

test('damaged files are refused with kavro-order\'s words and change nothing open', { skip }, async () => {
  await withBrowser(async (context) => {
    const page = await openPage(context, server.url);
    await chooseFile(page, '#order-open', path.join(ROOT, 'examples/house.kavro'));
    await page.waitForSelector('#openings tbody tr:nth-child(5)');
    const before = await listedRows(page);
    for (const { file, click, args } of damaged) {
      const refusal = kavroOrder(args, CLI);
      assert.notEqual(refusal.status, 0, file);
      await chooseFile(page, click, path.join(CLI, file));
      await page.waitForSelector('#message[open]');
      assert.equal(await page.textContent('#message-text'), refusal.stderr.trimEnd(), file);
      await closeMessage(page);
      assert.deepEqual(await listedRows(page), before, `${file}: the open order is untouched`);
    }
  });
});

test('a browser killed while typing gives back every keystroke older than a second', { skip }, async () => {
  const profile = await mkdtemp(path.join(work, 'profile-'));
  const text = 'Спальня на втором этаже, окно во двор, левая створка';
  let { context } = await launch({ profile });
  const typed = [];
  try {
    const page = await openPage(context, server.url);
    const box = page.locator('#openings tbody tr:nth-child(1) [data-edit=location]');
    await box.focus();
    for (const ch of text) {
      await page.keyboard.type(ch);
      typed.push(Date.now());
      await page.waitForTimeout(40);
    }
  } finally {
    killBrowser(profile);
    await context.close().catch(() => {});
  }
  const killed = Date.now();
  ({ context } = await launch({ profile }));
  try {
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForSelector('body[data-ready="true"]');
    const kept = (await listedRows(page))[0][1];
    const due = typed.filter((t) => killed - t > 1000).length;
    assert.ok(text.startsWith(kept), `kept «${kept}»`);
    assert.ok(kept.length >= due, `${kept.length} of ${text.length} characters kept, ${due} were typed over a second before`);
  } finally {
    await context.close();
    await rm(profile, { recursive: true, force: true });
  }
});

const words = (text) => text.split(/\s+/).filter(Boolean).sort();

test('the order report prints every line once, each opening in it', { skip }, async () => {
  await withBrowser(async (context) => {
    const page = await openPage(context, server.url);
    await chooseFile(page, '#order-open', path.join(ROOT, 'examples/house.kavro'));
    await page.waitForSelector('#openings tbody tr:nth-child(5)');
    const opened = context.waitForEvent('page');
    await page.click('#order-report-print');
    const report = await opened;
    await report.waitForSelector('body[data-ready="true"]');
    const text = await report.evaluate(() => document.getElementById('report').innerText);
    for (const [, location] of checkedRows(kavroOrder(['check', 'examples/house.kavro']).stdout))
      assert.ok(text.includes(location), location);
    const read = spawnSync('pdftotext', ['-enc', 'UTF-8', '-', '-'], { input: await report.pdf({ format: 'A4' }), encoding: 'utf8' });
    assert.equal(read.status, 0, read.stderr);
    assert.deepEqual(words(read.stdout), words(text));
  });
});

test('a second tab of the open order shows it read-only and says why', { skip }, async () => {
  await withBrowser(async (context) => {
    const first = await openPage(context, server.url);
    await first.fill('#order-title', 'Первая вкладка');
    const second = await context.newPage();
    await second.goto(server.url);
    await second.waitForSelector('body[data-ready="true"]');
    assert.equal(await second.inputValue('#order-title'), 'Первая вкладка');
    assert.match(await second.textContent('#store-status'), /открыт в другой вкладке/);
    assert.deepEqual(await second.evaluate(() => [document.getElementById('form').inert, document.getElementById('order-title').disabled]), [true, true]);
    await first.close();
    await second.waitForSelector('#order-title:not([disabled])');
    assert.equal(await second.evaluate(() => document.getElementById('form').inert), false);
  });
});

// What the firm's server or a merged file will do: an opening changed
// through the order's session, by its id, while the user types elsewhere.
test('an opening changed through the session is shown at once, the focus left where it was', { skip }, async () => {
  const house = JSON.parse(readFileSync(path.join(ROOT, 'examples/house.kavro'), 'utf8'));
  const one = (opening) => JSON.stringify({ ...house, openings: [opening] });
  const shown = { ...house.openings[0], width: '1111', location: 'Кухня у окна' };
  const other = { ...house.openings[1], height: '2050' };
  await withBrowser(async (context) => {
    const page = await openPage(context, server.url);
    await chooseFile(page, '#order-open', path.join(ROOT, 'examples/house.kavro'));
    await page.waitForSelector('#openings tbody tr:nth-child(5)');
    await page.focus('#order-title');
    const answers = await page.evaluate(async ({ app, files }) => {
      const session = await (await import(app)).session;
      const ids = JSON.parse(session.rows(0, 2)).rows.map((r) => r.id);
      return files.map((bytes, i) => JSON.parse(session.replaceOpening(ids[i], bytes)).result);
    }, { app: `/${siteFile('app.js')}`, files: [one(shown), one(other)] });
    assert.deepEqual(answers, ['done', 'done']);
    const rows = await listedRows(page);
    assert.deepEqual(rows[0].slice(1, 4), ['Кухня у окна', '1', '1111 × 1400']);
    assert.equal(rows[1][3], '1800 × 2050');
    assert.equal(await page.inputValue('#Wirina'), '1111', 'the form shows the current opening anew');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'order-title');
  });
});
