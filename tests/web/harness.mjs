// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests share: the site served on 127.0.0.1, a fresh
// headless Chromium, the node driver's dump, and the state read back
// from the page's DOM in the driver's terms.
import { spawn, spawnSync } from 'node:child_process';
import { mkdtemp, rm } from 'node:fs/promises';
import { existsSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import net from 'node:net';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

export const ROOT = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const SITE = process.env.KAVRO_SITE ?? path.join(ROOT, 'build-web/site');
const DRIVER = process.env.KAVRO_DRIVER ?? path.join(ROOT, 'build-web/kavro-script.js');
const NAMES = process.env.KAVRO_SITE_NAMES ?? path.join(SITE, '../site-names.json');
// The site's files carry their content's hash in their names: the name a
// file of web/ or of the module has in the site.
export function siteFile(name) {
  return existsSync(NAMES) ? JSON.parse(readFileSync(NAMES, 'utf8'))[name] ?? name : name;
}
const WASM = path.join(SITE, siteFile('kavro-core.wasm'));
// The page builds its form from the core's layout; a core built without it
// cannot show a page to test.
export const siteMissing = (!existsSync(WASM) && 'build-web/site is not built')
  || (!readFileSync(WASM).includes('formLayout') && 'the core module has no formLayout() yet');
export const driverMissing = !existsSync(DRIVER) && 'build-web/kavro-script.js is not built';

const connects = (port) => new Promise((resolve) => {
  const socket = net.connect(port, '127.0.0.1', () => resolve(!!socket.end()));
  socket.on('error', () => resolve(false));
});

async function freePort() {
  return new Promise((resolve) => {
    const probe = net.createServer().listen(0, '127.0.0.1', () => {
      const { port: free } = probe.address();
      probe.close(() => resolve(free));
    });
  });
}

// Runs a server of the site on a free port (COMMAND gets the port as its
// last argument) until stop() is called.
async function serve(command, args) {
  const port = await freePort();
  const child = spawn(command, [...args, String(port)], { stdio: 'ignore', cwd: ROOT });
  for (let i = 0; !(await connects(port)); i += 1) {
    if (i > 100 || child.exitCode !== null) throw new Error('the web server did not start');
    await new Promise((r) => setTimeout(r, 100));
  }
  const stopped = new Promise((r) => child.once('exit', r));
  return { url: `http://127.0.0.1:${port}/`, stop: () => (child.kill('SIGTERM'), stopped) };
}

export function startServer() {
  return serve('python3', ['-m', 'http.server', '--bind', '127.0.0.1', '--directory', SITE]);
}

// The site as a deployment serves it: nginx with the packaged configuration.
export const nginxMissing = !existsSync('/usr/sbin/nginx') && 'nginx is not installed';
export function startNginx() {
  return serve(path.join(ROOT, 'scripts/serve-site.sh'), [SITE]);
}

// PROFILE: the browser's folder, kept when given (to start it again on
// the same storage), else a fresh one removed on close.
// TOUCH: a phone's screen, whose pointer is a finger.
export async function launch({ width = 1280, height = 900, profile: kept = null, touch = false } = {}) {
  const profile = kept ?? (await mkdtemp(path.join(tmpdir(), 'kavro-web-test-')));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    viewport: { width, height },
    hasTouch: touch,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  // The pickers of the file system are not driven by the tests: the page
  // takes its file input and its download instead.
  await context.addInitScript(() => {
    delete window.showOpenFilePicker;
    delete window.showSaveFilePicker;
  });
  return { context, profile, close: async () => (await context.close(), kept || rm(profile, { recursive: true, force: true })) };
}

// The calculator's tests start from a new order, as a first visit does,
// not from the order an earlier test left in the browser's storage.
export async function openPage(context, url) {
  const page = context.pages()[0] ?? (await context.newPage());
  await page.goto(`${url}?new`);
  await page.waitForSelector('body[data-ready="true"]', { timeout: 20000 });
  return page;
}

// Every line the driver prints for LINES after `start`, parsed; the last
// is the final dump.
export function runDriver(lines) {
  const input = ['start', ...lines, 'dump', ''].join('\n');
  const run = spawnSync('node', [DRIVER], { input, encoding: 'utf8', maxBuffer: 64 << 20 });
  if (run.status !== 0) throw new Error(`driver failed: ${run.stderr.slice(-500)}`);
  return run.stdout.trim().split('\n').map((line) => JSON.parse(line));
}

const EDITS = ['Tolwina', 'Visota', 'Wirina', 'Massa', 'NizhniyProfil', 'FullMassa', 'Moment', 'MaxDiametr', 'Oboroti', 'Vremya', 'Speed'];
const SAME = ['Profil', 'TipProfilya', 'Diametr', 'Montazh', 'Upravlenie', 'Kreplenie', 'NHK', 'Label27', 'TabControl1', 'SpisokAcc', 'focus', ...EDITS];

// The part of a driver dump that the page shows; a current cell outside
// the rows shows as none.
export function shown(dump) {
  const out = Object.fromEntries(SAME.map((f) => [f, dump[f]]));
  const [c, r] = dump.Spisok.current;
  const exists = c >= 0 && r >= 0 && c < (dump.Spisok.rows[r]?.length ?? 0);
  out.Spisok = { visible: dump.Spisok.visible, rows: dump.Spisok.rows, current: exists ? [c, r] : null };
  return out;
}

// The same members read from the DOM, as a user sees them.
export function readPage(page) {
  return page.evaluate((edits) => {
    const $ = (id) => document.getElementById(id);
    const pick = (list, text = null) => {
      const items = [...list.options].filter((o) => o.value !== '-1').map((o) => o.text);
      const index = list.selectedIndex < items.length ? list.selectedIndex : -1;
      const shownText = text ? text.value : list.options[list.selectedIndex]?.text ?? '';
      return { text: shownText, index, items, enabled: !(text ?? list).disabled };
    };
    const radios = (name) => {
      const inputs = [...document.getElementsByName(name)];
      return { index: inputs.findIndex((i) => i.checked), enabled: inputs.map((i) => !i.disabled) };
    };
    const rows = (table) => [...table.tBodies[0].rows].map((row) => [...row.cells].map((c) => c.textContent));
    const cell = $('Spisok').querySelector('.current');
    const tabs = [...document.querySelectorAll('[role=tab]')];
    const out = {
      Profil: pick($('Profil')), TipProfilya: pick($('TipProfilya')), Diametr: pick($('Diametr-list'), $('Diametr')),
      Montazh: radios('Montazh'), Upravlenie: radios('Upravlenie'), Kreplenie: radios('Kreplenie'),
      NHK: { checked: $('NHK').checked, enabled: !$('NHK').disabled },
      Label27: { visible: !$('Label27').hidden },
      TabControl1: { index: tabs.findIndex((t) => t.ariaSelected === 'true'), tabs: tabs.map((t) => t.textContent) },
      SpisokAcc: { visible: !$('SpisokAcc').hidden, rows: rows($('SpisokAcc')) },
      Spisok: { visible: !$('Spisok').hidden, rows: rows($('Spisok')), current: cell ? [cell.cellIndex, cell.parentElement.sectionRowIndex] : null },
      focus: document.activeElement?.closest('[data-field]')?.dataset.field ?? null,
    };
    for (const f of edits) out[f] = { text: $(f).value, enabled: !$(f).disabled };
    return out;
  }, EDITS);
}

// Clicks the message box's OK and waits until the page has handled the
// close: the browser queues the close event as a task, and a key sent
// before it ran would reach a field the page has not focused yet.
export async function closeMessage(page) {
  await page.click('#message-ok');
  await page.evaluate(() => new Promise((done) => setTimeout(done, 0)));
}
