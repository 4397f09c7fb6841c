// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests share: the site served on 127.0.0.1, a fresh
// headless Chromium, the node driver's dump, and the state read back
// from the page's DOM in the driver's terms.
import { spawn, spawnSync } from 'node:child_process';
import { mkdtemp, rm } from 'node:fs/promises';
import { existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import net from 'node:net';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

export const ROOT = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const SITE = process.env.KAVRO_SITE ?? path.join(ROOT, 'build-web/site');
const DRIVER = path.join(ROOT, 'build-web/kavro-script.js');

export const siteMissing = existsSync(path.join(SITE, 'index.html')) ? false : 'build-web/site is not built (scripts/build-site.sh)';
export const driverMissing = existsSync(DRIVER) ? false : 'build-web/kavro-script.js is not built';

async function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer();
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
    server.on('error', reject);
  });
}

async function waitForPort(port, child) {
  for (let i = 0; i < 100; i += 1) {
    if (child.exitCode !== null) throw new Error('the web server stopped');
    const up = await new Promise((resolve) => {
      const socket = net.connect(port, '127.0.0.1', () => {
        socket.end();
        resolve(true);
      });
      socket.on('error', () => resolve(false));
    });
    if (up) return;
    await new Promise((r) => setTimeout(r, 100));
  }
  throw new Error('the web server did not start');
}

export async function startServer(port) {
  port ??= await freePort();
  const child = spawn('python3', ['-m', 'http.server', '--bind', '127.0.0.1', '--directory', SITE, String(port)], {
    stdio: 'ignore',
  });
  await waitForPort(port, child);
  return {
    port,
    url: `http://127.0.0.1:${port}/`,
    async stop() {
      if (child.exitCode !== null) return;
      const done = new Promise((r) => child.once('exit', r));
      child.kill('SIGTERM');
      await done;
    },
  };
}

export async function launch({ width = 1280, height = 900 } = {}) {
  const profile = await mkdtemp(path.join(tmpdir(), 'kavro-web-test-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    viewport: { width, height },
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
  });
  return {
    context,
    async close() {
      await context.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

export async function openPage(context, url) {
  const page = context.pages()[0] ?? (await context.newPage());
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]', { timeout: 20000 });
  return page;
}

// Runs a driver script (after `start`) and returns every line it printed,
// parsed.
export function runDriver(lines) {
  const script = ['start', ...lines, 'dump', ''].join('\n');
  const run = spawnSync('node', [DRIVER], { input: script, encoding: 'utf8', maxBuffer: 64 << 20 });
  if (run.status !== 0) throw new Error(`driver failed: ${run.stderr}`);
  return run.stdout.trim().split('\n').map((line) => JSON.parse(line));
}

export function lastDump(lines) {
  const printed = runDriver(lines);
  return { dump: printed.at(-1), printed };
}

const EDITS = ['Tolwina', 'Visota', 'Wirina', 'Massa', 'NizhniyProfil', 'FullMassa', 'Moment', 'MaxDiametr', 'Oboroti', 'Vremya', 'Speed'];

// The part of a driver dump that the page shows.
export function shown(dump) {
  const out = {};
  for (const f of ['Profil', 'TipProfilya', 'Diametr']) out[f] = { ...dump[f] };
  for (const f of ['Montazh', 'Upravlenie', 'Kreplenie', 'NHK', 'Label27', 'TabControl1', 'SpisokAcc'])
    out[f] = dump[f];
  for (const f of EDITS) out[f] = dump[f];
  const [c, r] = dump.Spisok.current;
  const exists = r >= 0 && r < dump.Spisok.rows.length && c >= 0 && c < (dump.Spisok.rows[r]?.length ?? 0);
  out.Spisok = { visible: dump.Spisok.visible, rows: dump.Spisok.rows, current: exists ? [c, r] : null };
  out.focus = dump.focus;
  return out;
}

// Reads the same members from the DOM, as a user sees them.
export async function readPage(page) {
  return page.evaluate((edits) => {
    const byId = (id) => document.getElementById(id);
    const options = (select) => [...select.options].filter((o) => select.dataset.free === undefined || o.value !== '-1');
    const pick = (select, textEl) => {
      const items = options(select).map((o) => o.text);
      const index = select.selectedIndex >= items.length ? -1 : select.selectedIndex;
      const text = textEl ? textEl.value : select.selectedIndex >= 0 ? select.options[select.selectedIndex].text : '';
      return { text, index, items, enabled: !(textEl ?? select).disabled };
    };
    const radios = (name) => {
      const inputs = [...document.querySelectorAll(`input[type=radio][name="${name}"]`)];
      return { index: inputs.findIndex((i) => i.checked), enabled: inputs.map((i) => !i.disabled) };
    };
    const rows = (table) => [...table.tBodies[0].rows].map((row) => [...row.cells].map((c) => c.textContent));
    const current = (table) => {
      const cell = table.querySelector('.current');
      return cell ? [cell.cellIndex, cell.parentElement.sectionRowIndex] : null;
    };
    const out = {
      Profil: pick(byId('Profil')),
      TipProfilya: pick(byId('TipProfilya')),
      Diametr: pick(byId('Diametr-list'), byId('Diametr')),
      Montazh: radios('Montazh'),
      Upravlenie: radios('Upravlenie'),
      Kreplenie: radios('Kreplenie'),
      NHK: { checked: byId('NHK').checked, enabled: !byId('NHK').disabled },
      Label27: { visible: !byId('Label27').hidden },
      TabControl1: {
        index: [...document.querySelectorAll('[role=tab]')].findIndex((t) => t.getAttribute('aria-selected') === 'true'),
        tabs: [...document.querySelectorAll('[role=tab]')].map((t) => t.textContent),
      },
      SpisokAcc: { visible: !byId('SpisokAcc').hidden, rows: rows(byId('SpisokAcc')) },
      Spisok: { visible: !byId('Spisok').hidden, rows: rows(byId('Spisok')), current: current(byId('Spisok')) },
      focus: document.activeElement?.closest('[data-field]')?.dataset.field ?? null,
    };
    for (const f of edits) out[f] = { text: byId(f).value, enabled: !byId(f).disabled };
    return out;
  }, EDITS);
}
