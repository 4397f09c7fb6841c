// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A real kavro-server on a data folder or a database of its own, serving the built site
// and the API from one origin, with a firm whose admin is `admin`; and the
// page's account entry driven as a user does.
import { spawn, spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import net from 'node:net';
import readline from 'node:readline';
import path from 'node:path';
import { ROOT, SITE } from './harness.mjs';

const SERVER = process.env.KAVRO_SERVER ?? path.join(ROOT, 'build/tools/kavro-server');
export const serverMissing = !existsSync(SERVER) && 'build/tools/kavro-server is not built';
export const ADMIN_PASSWORD = 'admin-password-1';
const POSTGRES_HELPER = process.env.KAVRO_POSTGRES_HELPER ?? path.join(ROOT, 'build/tests/server/postgres_for_node');

const freePort = () => new Promise((resolve) => {
  const probe = net.createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

// Where the server keeps its data: a folder of its own (SQLite), or a
// database in a PostgreSQL cluster of its own that the server tests'
// helper starts and stops (skipped, with why, where there is none).
async function storage(backend) {
  if (backend === 'sqlite') {
    const data = await mkdtemp(path.join(tmpdir(), 'kavro-firm-test-'));
    return { args: ['--data', data], stop: () => rm(data, { recursive: true, force: true }) };
  }
  if (!existsSync(POSTGRES_HELPER)) return { skipped: `${POSTGRES_HELPER} is not built` };
  const cluster = spawn(POSTGRES_HELPER, [], { stdio: ['pipe', 'pipe', 'inherit'] });
  const { value: line = 'SKIPPED: the PostgreSQL helper said nothing' } =
    await readline.createInterface({ input: cluster.stdout })[Symbol.asyncIterator]().next();
  const exited = new Promise((r) => cluster.once('exit', r));
  const stop = async () => (cluster.stdin.end(), await exited);
  if (line.startsWith('SKIPPED')) return (await stop(), { skipped: line });
  return { args: ['--database', line], stop };
}

// BACKEND 'sqlite' or 'postgresql'. Resolves to {skipped} where that
// database cannot be had; under CI (CI set) it throws instead.
export async function startFirmServer({ backend = 'sqlite' } = {}) {
  const store = await storage(backend);
  if (store.skipped) {
    if (process.env.CI) throw new Error(store.skipped);
    return { skipped: store.skipped, stop: async () => {} };
  }
  const admin = (args, input = '') => {
    const run = spawnSync(SERVER, [...store.args, ...args], { input, encoding: 'utf8' });
    if (run.status !== 0) throw new Error(`kavro-server ${args[0]}: ${run.stderr}`);
  };
  admin(['add-firm', 'Фирма']);
  admin(['add-user', 'Фирма', 'admin', '--role', 'admin'], `${ADMIN_PASSWORD}\n`);
  const port = await freePort();
  const child = spawn(SERVER, ['--listen', `127.0.0.1:${port}`, ...store.args, '--site', SITE], { stdio: 'ignore' });
  const url = `http://127.0.0.1:${port}/`;
  for (let i = 0; ; i += 1) {
    if (await fetch(`${url}healthz`).then((r) => r.ok, () => false)) break;
    if (i > 100 || child.exitCode !== null) throw new Error('kavro-server did not start');
    await new Promise((r) => setTimeout(r, 100));
  }
  const exited = new Promise((r) => child.once('exit', r));
  return { url, admin, stop: async () => (child.kill('SIGTERM'), await exited, store.stop()) };
}

// A client of the API as a script is, signed in as LOGIN.
export async function apiAs(url, login, password) {
  const signIn = await fetch(`${url}api/v1/sign-in`, { method: 'POST', body: JSON.stringify({ login, password }) });
  const cookie = signIn.headers.get('set-cookie').split(';')[0];
  return (method, route, body) => fetch(`${url}api/v1/${route}`, { method, body, headers: { cookie } })
    .then((r) => r.json());
}

// On a phone the account's entry is in the menu.
export async function press(page, selector) {
  if (!(await page.isVisible(selector))) await page.click('#menu-button');
  await page.click(selector);
}

export async function signIn(page, login, password) {
  await press(page, '#account-button');
  await page.fill('#sign-in-login', login);
  await page.fill('#sign-in-password', password);
  await page.click('#sign-in-dialog [type=submit]');
}
